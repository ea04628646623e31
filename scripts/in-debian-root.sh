#!/usr/bin/env bash
# Runs a command in this project inside a fresh minimal Debian root of the given release, made
# with debootstrap from the mirror this machine's apt uses, and removes the root after:
#   scripts/in-debian-root.sh [--arch <arch>] <suite> <command> [args...]
#   e.g. trixie scripts/dev.sh test;  --arch arm64 bookworm scripts/deb-build.sh
# --arch makes a root of another of Debian's architectures (arm64, armhf, s390x, ...), which runs
# through qemu-user where this machine's CPU cannot run it (scripts/debian-base.sh sets that up).
# Run as root. The project is cloned in (its committed state; copied when it has no .git) to
# /project, with git, as a person who cloned it has. The root is made by scripts/debian-base.sh
# (from /var/cache/snake-roots/<suite>[-<arch>]-base.tar when that is there, else debootstrap).
# Every mount is undone on every way out; the root is removed only once nothing is mounted in it.
set -euo pipefail
cd "$(dirname "$0")/.."

arch=$(dpkg --print-architecture)
if [[ ${1:-} == --arch ]]; then
    arch=${2:?}
    shift 2
fi
if [[ $# -lt 2 ]]; then
    echo "usage: scripts/in-debian-root.sh [--arch <arch>] <suite> <command> [args...]" >&2
    exit 2
fi
suite=$1
shift
[[ $(id -u) -eq 0 ]] || { echo "in-debian-root: needs root (debootstrap, mount, chroot)" >&2; exit 2; }

root=$(mktemp -d "${TMPDIR:-/tmp}/debian-$suite-$arch.XXXXXX")
chmod 755 "$root"  # mktemp's 0700 would lock every user but root out of the whole root
mounted=()
cleanup() {
    local status=$? failed=0 i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || failed=1
    done
    if [[ $failed -eq 0 ]] && ! grep -q -E " $root[ /]" /proc/mounts; then
        rm -rf "$root"
    else
        echo "in-debian-root: $root still has mounts; left in place" >&2
        status=1
    fi
    exit "$status"
}
trap cleanup EXIT
# The command runs in a session of its own: a signal to this script ends all of it first.
child=
stop() {
    [[ -z "$child" ]] || { kill -TERM -- "-$child" 2>/dev/null; wait "$child" 2>/dev/null; }
    exit "$1"
}
trap 'stop 130' INT
trap 'stop 143' TERM

scripts/debian-base.sh "$suite" "$root" "$arch"
cp /etc/resolv.conf "$root/etc/"

mount_in() {  # mount_in <mount point in the root> <mount arguments...>
    mount "${@:2}" "$root$1"
    mounted+=("$root$1")
}
# The root a mount point of its own, private: a mount namespace made inside it (with-desktop.sh)
# can then make its mounts private, and nothing mounted there reaches this machine.
mount_in / --bind "$root"
mount --make-private "$root"
mount_in /proc -t proc proc
# The kernel's handlers of other architectures' programs (scripts/qemu-user.sh), for a cross-build.
! mountpoint -q /proc/sys/fs/binfmt_misc ||
    mount_in /proc/sys/fs/binfmt_misc -t binfmt_misc binfmt_misc
mount_in /dev --bind /dev
mount_in /dev/pts --bind /dev/pts
mount_in /dev/shm -t tmpfs tmpfs
mount_in /sys --bind /sys

if [[ -e .git ]]; then
    git clone --quiet --no-hardlinks . "$root/project"
else
    mkdir "$root/project"
    tar --exclude=./build -cf - . | tar -C "$root/project" -xf -
fi

env=(/usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8
    DEBIAN_FRONTEND=noninteractive ${CI:+CI="$CI"})
chroot "$root" "${env[@]}" bash -c 'apt-get update -qq && apt-get install -y -qq git' \
    >"$root/apt.log" 2>&1 || { tail -n 20 "$root/apt.log" >&2; exit 1; }
setsid chroot "$root" "${env[@]}" bash -c 'cd /project && exec "$@"' in-debian-root "$@" &
child=$!
wait "$child"
