#!/usr/bin/env bash
# Makes sure this machine runs programs of the given Debian architecture, as root:
#   scripts/qemu-user.sh <architecture>      e.g. arm64, armhf, s390x, riscv64
# Those its CPU runs itself (amd64 and i386 on amd64, the arm ones on arm64) need nothing; the
# others go through qemu-user: qemu-user-static and binfmt-support are installed when missing,
# binfmt_misc is mounted when it is not, the architecture's handler registered when it is
# missing. Its flag F opens the emulator once, so it works in any root too. Says what is
# missing where the kernel cannot do it (a container that may not mount binfmt_misc).
set -euo pipefail
arch=$1
native=$(dpkg --print-architecture)
[[ $arch != "$native" ]] || exit 0
[[ $native == arm64 && $arch == arm* ]] && exit 0
# i386 on amd64 needs the kernel's 32-bit support, which some kernels leave out (or switch off,
# ia32_emulation=0): a program of 91 bytes that only exits tells.
i386_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
if [[ $native == amd64 && $arch == i386 ]]; then
    probe=$(mktemp)
    trap 'rm -f "$probe"' EXIT
    printf '%b' "$i386_magic" '\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0\0\0\0\0\0\0\0\0' \
        '\x34\0\x20\0\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08' \
        '\x5b\0\0\0\x5b\0\0\0\x05\0\0\0\0\x10\0\0' '\x31\xdb\x31\xc0\x40\xcd\x80' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null && exit 0
fi

declare -A qemu=([amd64]=x86_64 [arm64]=aarch64 [armel]=arm [armhf]=arm [i386]=i386
    [mips64el]=mips64el [mipsel]=mipsel [ppc64el]=ppc64le [riscv64]=riscv64 [s390x]=s390x)
name=${qemu[$arch]:-}
[[ -n $name ]] || { echo "qemu-user: unknown architecture '$arch'" >&2; exit 2; }
entry=/proc/sys/fs/binfmt_misc/qemu-$name
works() { grep -qx enabled "$entry" 2>/dev/null && grep -q '^flags:.*F' "$entry"; }
works && exit 0

missing=()
for package in qemu-user-static binfmt-support; do
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) == "install ok installed" ]] ||
        missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
fi
if ! mountpoint -q /proc/sys/fs/binfmt_misc; then
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || {
        echo "qemu-user: cannot mount binfmt_misc, so this kernel cannot run $arch programs" \
            "here (a container without the right to mount?). On the host, as root: mount -t" \
            "binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc; update-binfmts --enable qemu-$name" >&2
        exit 1
    }
fi
if [[ $arch == i386 && ! -e $entry ]]; then  # Debian's qemu-user-static leaves it to the CPU
    printf '%s\n' ":qemu-i386:M::$i386_magic:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F" \
        >/proc/sys/fs/binfmt_misc/register
fi
[[ -e $entry ]] || update-binfmts --enable "qemu-$name" || true
if ! works; then
    echo "qemu-user: the kernel has no working handler for $arch programs ($entry);" \
        "'update-binfmts --display qemu-$name' says why" >&2
    exit 1
fi
