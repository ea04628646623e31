#!/usr/bin/env bash
# Builds the game's binary package as Debian's build daemons do (dpkg-buildpackage -B, the
# headless suites running in the build) on the machine or root it runs in, as root, after
# installing debian/control's build dependencies:
#   scripts/deb-build.sh [--cross <arch>] [--play]
# --cross builds for another architecture with this machine's compilers (dpkg-buildpackage -a,
# the build dependencies of that architecture beside this one's through multiarch) and runs the
# suites through qemu-user (scripts/qemu-user.sh). --play then installs the package and plays a
# game of it to its message in Xvfb (the end-to-end `play` scenario); not with --cross.
# Meant for a fresh root: scripts/in-debian-root.sh [--arch <arch>] <suite> scripts/deb-build.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $(id -u) -eq 0 ]] || { echo "deb-build: needs root (apt-get)" >&2; exit 2; }
arch=$(dpkg --print-architecture)
cross=() play=
while [[ $# -gt 0 ]]; do
    case $1 in
        --cross) arch=$2 cross=(-a "$2") && shift ;;
        --play) play=1 ;;
        *) echo "usage: scripts/deb-build.sh [--cross <arch>] [--play]" >&2 && exit 2 ;;
    esac
    shift
done
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends "$@" >/dev/null; }

start=$SECONDS
if [[ ${#cross[@]} -gt 0 ]]; then
    scripts/qemu-user.sh "$arch"
    dpkg --add-architecture "$arch"
    apt_get update
    apt_get install "crossbuild-essential-$arch"
    # Its suites run through qemu-user.
    export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-} crossbuildcanrunhostbinaries"
else
    apt_get update
fi
apt_get build-dep "${cross[@]}" ./
echo "deb-build: build dependencies for $arch installed in $((SECONDS - start)) s"
start=$SECONDS
dpkg-buildpackage "${cross[@]}" -B -us -uc -j"$(nproc)"
echo "deb-build: package for $arch built and tested in $((SECONDS - start)) s"

if [[ -n $play ]]; then
    start=$SECONDS
    apt_get install "$(ls ../velmors-snake_*_"$arch".deb)" xvfb xauth openbox x11-utils dbus
    LC_ALL=C.UTF-8 scripts/with-x.sh obj-*/tests/e2e/snake_e2e /usr/games/velmors-snake play
    echo "deb-build: the installed game played to its message on $arch in $((SECONDS - start)) s"
fi
