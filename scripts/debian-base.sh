#!/usr/bin/env bash
# Makes a fresh minimal Debian root of the given release in an empty folder, as root:
#   scripts/debian-base.sh <suite> <folder> [<architecture>]      e.g. bookworm /tmp/r arm64
# from /var/cache/snake-roots/<suite>[-<architecture>]-base.tar when the machine has it, else with
# debootstrap from the first Debian mirror in this machine's apt sources (one-line or deb822
# form). A root of an architecture this kernel cannot run natively runs through qemu-user: its
# handler is registered with binfmt_misc (mounted first when it is not) when it is missing.
set -euo pipefail
suite=$1 root=$2
native=$(dpkg --print-architecture)
arch=${3:-$native}

install() {  # install <package...>: those missing, quietly
    local package missing=()
    for package; do
        [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) == "install ok installed" ]] ||
            missing+=("$package")
    done
    [[ ${#missing[@]} -eq 0 ]] && return
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
}

# emulate <qemu name>: makes sure the kernel hands this architecture's programs to qemu-user,
# whose handler opens the emulator when registered (flag F), so it works inside any root too.
emulate() {
    local entry=/proc/sys/fs/binfmt_misc/qemu-$1
    install qemu-user-static binfmt-support
    if ! mountpoint -q /proc/sys/fs/binfmt_misc; then
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || {
            echo "debian-base: cannot mount binfmt_misc here (a container without the right" \
                "to mount?): on the host, run 'mount -t binfmt_misc binfmt_misc" \
                "/proc/sys/fs/binfmt_misc && update-binfmts --enable qemu-$1'" >&2
            exit 1
        }
    fi
    [[ -e $entry ]] || update-binfmts --enable "qemu-$1" || true
    if ! grep -qx enabled "$entry" 2>/dev/null || ! grep -q '^flags:.*F' "$entry"; then
        echo "debian-base: the kernel has no working qemu-$1 handler ($entry): it cannot run" \
            "$arch programs; check 'update-binfmts --display qemu-$1'" >&2
        exit 1
    fi
}

# The architectures Debian builds for, as qemu names them; those this machine's CPU runs itself
# (i386 on amd64, through the kernel's 32-bit support) need no emulator.
declare -A qemu=([amd64]=x86_64 [arm64]=aarch64 [armel]=arm [armhf]=arm [i386]=i386
    [mips64el]=mips64el [mipsel]=mipsel [ppc64el]=ppc64le [riscv64]=riscv64 [s390x]=s390x)
if [[ $arch != "$native" && ! ($native == amd64 && $arch == i386) &&
    ! ($native == arm64 && $arch == arm*) ]]; then
    [[ -n ${qemu[$arch]:-} ]] || { echo "debian-base: unknown architecture '$arch'" >&2; exit 2; }
    emulate "${qemu[$arch]}"
fi

name=$suite
[[ $arch == "$native" ]] || name=$suite-$arch
base=/var/cache/snake-roots/$name-base.tar
mkdir -p "$root"
if [[ -f "$base" ]]; then
    tar -C "$root" -xf "$base"
else
    mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v '^\s*#' |
        grep -o -E 'https?://[^ ]+/debian/?' | grep -v security | head -n 1 || true)
    [[ -n "$mirror" ]] || { echo "debian-base: no Debian mirror in apt's sources" >&2; exit 1; }
    command -v debootstrap >/dev/null || install debootstrap
    echo "debian-base: debootstrap $suite ($arch) from $mirror"
    start=$SECONDS
    debootstrap --arch="$arch" --variant=minbase "$suite" "$root" "$mirror" >"$root.log" 2>&1 ||
        { tail -n 20 "$root.log" >&2; rm -f "$root.log"; exit 1; }
    rm -f "$root.log"
    echo "debian-base: made in $((SECONDS - start)) s"
fi
chmod 755 "$root"  # a tar of a root made in a mktemp folder says 0700 for it
