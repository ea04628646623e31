#!/usr/bin/env bash
# Makes a fresh minimal Debian root of the given release in an empty folder, as root:
#   scripts/debian-base.sh <suite> <folder> [<architecture>]      e.g. bookworm /tmp/r arm64
# from <cache>/<suite>[-<architecture>]-base.tar when the machine has it, else with debootstrap
# from the first Debian mirror in this machine's apt sources (one-line or deb822 form). The cache
# is /var/cache/snake-roots, or SNAKE_ROOTS_CACHE when set: there a root debootstrap made is kept
# too, for the next one of one run (.ci/run). A root of an architecture this machine cannot run
# natively runs through qemu-user (scripts/qemu-user.sh).
set -euo pipefail
suite=$1 root=$2
native=$(dpkg --print-architecture)
arch=${3:-$native}

"$(dirname "$0")/qemu-user.sh" "$arch"

name=$suite
[[ $arch == "$native" ]] || name=$suite-$arch
base=${SNAKE_ROOTS_CACHE:-/var/cache/snake-roots}/$name-base.tar
mkdir -p "$root"
if [[ -f "$base" ]]; then
    tar -C "$root" -xf "$base"
else
    mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v '^\s*#' |
        grep -o -E 'https?://[^ ]+/debian/?' | grep -v security | head -n 1 || true)
    [[ -n "$mirror" ]] || { echo "debian-base: no Debian mirror in apt's sources" >&2; exit 1; }
    command -v debootstrap >/dev/null || { apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null; }
    echo "debian-base: debootstrap $suite ($arch) from $mirror"
    start=$SECONDS
    debootstrap --arch="$arch" --variant=minbase "$suite" "$root" "$mirror" >"$root.log" 2>&1 ||
        { tail -n 20 "$root.log" >&2; rm -f "$root.log"; exit 1; }
    rm -f "$root.log"
    echo "debian-base: made in $((SECONDS - start)) s"
    if [[ -n ${SNAKE_ROOTS_CACHE:-} ]]; then
        tar -C "$root" -cf "$base.new" . && mv "$base.new" "$base"
    fi
fi
chmod 755 "$root"  # a tar of a root made in a mktemp folder says 0700 for it
