#!/usr/bin/env bash
# reprotest on the source package in a copy BED of the fresh root BASE, which has nothing but
# what debian/control asks for installed into it (a build dependency it lacks fails the build),
# building it a second time under every variation reprotest can make in a chroot: all but the
# host name (the kernel refuses a chrooted process the user namespace its unshare asks for) and
# the build user (which needs a second account and sudo).
#   reprotest.sh BASE BED DSC STORE
set -euo pipefail
base=$1 bed=$2 dsc=$3 store=$4
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" || umount -l "${mounted[i]}"
    done
    grep -q " $bed/" /proc/mounts || rm -rf "$bed"
}
trap cleanup EXIT
rm -rf "$bed" "$store" && cp -a "$base" "$bed"
for m in proc dev dev/pts; do
    mount --bind "/$m" "$bed/$m" && mounted+=("$bed/$m")
done
# Without the suites, which make no file of the package.
DEB_BUILD_OPTIONS=nocheck reprotest --store-dir="$store" --vary=-user_group,-domain_host "$dsc" -- chroot "$bed"
