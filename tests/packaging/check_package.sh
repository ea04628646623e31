#!/usr/bin/env bash
# The Debian package as the README makes it, checked the way Debian checks packages. Builds it
# with the README's commands from two copies of the working tree at paths of different lengths,
# with different file times, umasks and build folders, and wants the same bytes twice; then wants
# lintian to have nothing to say, the program hardened, the manual page rendering without a
# warning and the changelog in Debian's form; check_install.sh deb checks the rest and opens the
# game.
#
# CTest passes (tests/packaging/CMakeLists.txt): SNAKE_SOURCE_DIR, SNAKE_SOURCE_DATE_EPOCH,
# SNAKE_VERSION, SNAKE_CHECK_INSTALL and what check_install.sh needs.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cmake cpack tar lintian hardening-check groff man dpkg-parsechangelog; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing (scripts/install-deps.sh package test installs it)"
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/snake-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Two copies of the working tree without build/, .git and what git ignores, with every file's time
# set, packed the README's way under the given umask. Neither has a history to take its date
# from: the first has SOURCE_DATE_EPOCH, the second cmake/commit-date as `git archive` writes it
# (in sources that are no clone, as this build read it). Each must come to this build's date.
build() {  # build <folder> <umask> <time of every file> <build folder> <commit-date> [VAR=value]
    local src=$1
    mkdir -p "$src"
    tar -C "$SNAKE_SOURCE_DIR" --exclude=./build --exclude-vcs --exclude-vcs-ignores -cf - . |
        tar -C "$src" -xf -
    printf '%s\n' "$5" >"$src/cmake/commit-date"
    find "$src" -exec touch -d "$3" {} +
    (umask "$2" && cd "$src" && env "${@:6}" cmake --preset package -B "$4" &&
        cmake --build "$4" && cd "$4" && cpack) >"$src.log" 2>&1 ||
        fail "the package build in $src failed:"$'\n'"$(tail -n 30 "$src.log")"
}
archived=$SNAKE_SOURCE_DATE_EPOCH
[[ ! -e "$SNAKE_SOURCE_DIR/.git" ]] ||
    archived=$(git -C "$SNAKE_SOURCE_DIR" archive HEAD cmake/commit-date | tar -xO)
build "$scratch/a/snake" 0022 2003-04-05 "$scratch/a/snake/build/package" '$Format:%ct$' \
    SOURCE_DATE_EPOCH="$SNAKE_SOURCE_DATE_EPOCH"
build "$scratch/b/somewhat/longer/path/to/snake" 0002 2001-02-03 "$scratch/b/build" "$archived"
deb=$(echo "$scratch"/a/snake/build/package/*.deb)
other=$(echo "$scratch"/b/build/*.deb)
if ! cmp "$deb" "$other"; then
    mkdir "$scratch/x" "$scratch/y"
    dpkg-deb -R "$deb" "$scratch/x" && dpkg-deb -R "$other" "$scratch/y"
    fail "two builds of the same sources differ:"$'\n'"$(diff -r "$scratch/x" "$scratch/y")" \
        $'\n'"$(diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$other"))" \
        $'\n'"$(diff <(ar tv "$deb") <(ar tv "$other"))"
fi

# Run as root, lintian says so on stderr; that aside, any word from it fails.
lint=$(lintian --pedantic --display-info --display-experimental "$deb" 2>&1 |
    grep -v '^running with root privileges' || true)
[[ -z "$lint" ]] || fail "lintian:"$'\n'"$lint"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
# hardening-check judges _FORTIFY_SOURCE by the checked libc calls it finds, and the game makes
# none whose size the compiler knows; and the C start files of Debian 12 carry no control-flow
# protection mark, so that no program linked there has one. Both show in the compile commands.
# Debian 13's asks every architecture for AArch64's branch protection.
skip=(--nofortify --nocfprotection)
[[ $(uname -m) == aarch64 || $(hardening-check --help) != *nobranchprotection* ]] ||
    skip+=(--nobranchprotection)
hardening=$(hardening-check "${skip[@]}" "$root/usr/games/velmors-snake") || fail "$hardening"
commands=$(grep '"command":' "$scratch/a/snake/build/package/compile_commands.json")
flags=(-D_FORTIFY_SOURCE=)
[[ $(uname -m) != x86_64 ]] || flags+=(-fcf-protection)
for flag in "${flags[@]}"; do
    missing=$(grep -v -e "$flag" <<<"$commands" | grep -o -e '-c [^"]*' || true)
    [[ -z "$missing" ]] || fail "compiled without $flag:"$'\n'"$missing"
done

page=$root/usr/share/man/man6/velmors-snake.6.gz
warnings=$(zcat "$page" | groff -man -ww -z 2>&1; man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || fail "the manual page has warnings:"$'\n'"$warnings"

zcat "$root/usr/share/doc/velmors-snake/changelog.gz" >"$scratch/changelog"
for field in "Version $SNAKE_VERSION" "Timestamp $SNAKE_SOURCE_DATE_EPOCH"; do
    value=$(dpkg-parsechangelog -l "$scratch/changelog" -S "${field% *}")
    [[ "$value" == "${field#* }" ]] || fail "the changelog's ${field% *} is $value, not ${field#* }"
done

times=$(TZ=UTC0 dpkg-deb -c "$deb" | awk '{ print $4, $5 }' | sort -u)
[[ "$times" == "$(date -u -d "@$SNAKE_SOURCE_DATE_EPOCH" '+%F %R')" ]] ||
    fail "the files in the package are not of the sources' date:"$'\n'"$times"

echo "built twice the same, lintian has nothing to say, hardened, manual page and changelog fine"
"$SNAKE_CHECK_INSTALL" deb "$deb"
