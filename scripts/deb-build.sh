#!/usr/bin/env bash
# Builds the game's binary package as Debian's build daemons do (dpkg-buildpackage -B, the
# headless suites running in the build) on the machine or root it runs in, as root, after
# installing debian/control's build dependencies:
#   scripts/deb-build.sh [--play]
# --play then installs the package and plays a game of it to its message in Xvfb (the
# end-to-end `play` scenario). Meant for a fresh root: scripts/in-debian-root.sh [--arch ...].
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $(id -u) -eq 0 ]] || { echo "deb-build: needs root (apt-get)" >&2; exit 2; }
arch=$(dpkg --print-architecture)
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends "$@" >/dev/null; }

start=$SECONDS
apt_get update
apt_get build-dep ./
echo "deb-build: build dependencies installed on $arch in $((SECONDS - start)) s"
start=$SECONDS
dpkg-buildpackage -B -us -uc -j"$(nproc)"
echo "deb-build: package built and tested on $arch in $((SECONDS - start)) s"

if [[ ${1:-} == --play ]]; then
    start=$SECONDS
    apt_get install "$(ls ../velmors-snake_*_"$arch".deb)" xvfb xauth openbox x11-utils dbus
    LC_ALL=C.UTF-8 scripts/with-x.sh obj-*/tests/e2e/snake_e2e /usr/games/velmors-snake play
    echo "deb-build: the installed game played to its message on $arch in $((SECONDS - start)) s"
fi
