#!/usr/bin/env bash
# The packaged game (unpacked in OUT/root by build_deb.sh) is hardened as dpkg-buildflags asks.
#   check_hardening.sh OUT
set -euo pipefail
out=$1
# hardening-check judges _FORTIFY_SOURCE by the checked libc calls it finds, and the game makes
# none whose size the compiler knows; and the C start files of Debian 12 carry no control-flow
# protection mark, so that no program linked there has one. Both show in the compile commands
# instead. Debian 13's asks every architecture for AArch64's branch protection.
skip=(--nofortify --nocfprotection)
[[ $(uname -m) == aarch64 || $(hardening-check --help) != *nobranchprotection* ]] ||
    skip+=(--nobranchprotection)
hardening-check "${skip[@]}" "$out/root/usr/games/velmors-snake"
commands=$(grep '"command":' "$out"/velmors-snake-*/obj-*/compile_commands.json)
flags=(-D_FORTIFY_SOURCE=)
[[ $(uname -m) != x86_64 ]] || flags+=(-fcf-protection)
for flag in "${flags[@]}"; do
    missing=$(grep -v -e "$flag" <<<"$commands" | grep -o -e '-c [^"]*' || true)
    [[ -z "$missing" ]] || { echo "FAIL: compiled without $flag:"$'\n'"$missing"; exit 1; }
done
echo "every compile command has ${flags[*]}"
