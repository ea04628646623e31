#!/usr/bin/env bash
# The Debian package, made from a copy of the working tree without its history the way the
# README makes it, and checked with Debian's own tools:
#   deb          builds it (the headless suites run in the build); lintian on the .changes, the
#                program hardened, the manual page, the debug symbols in a backtrace, and
#                check_install.sh deb (its fields, its files, its game opened under X)
#   base         a fresh minimal root of this machine's release, for the two below
#   piuparts     installs, removes and purges it in that root, wanting nothing left behind
#   autopkgtest  runs debian/tests in a copy of that root
#   reprotest    builds it twice under every variation reprotest can make here
# CTest passes (tests/packaging/CMakeLists.txt): SNAKE_SOURCE_DIR, SNAKE_BUILD_DIR, SNAKE_VERSION,
# SNAKE_CHECK_INSTALL and what check_install.sh needs.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# run LOG COMMAND...: runs COMMAND, its output in LOG, and fails with its end when COMMAND does.
run() { "${@:2}" >"$1" 2>&1 || fail "${*:2}:"$'\n'"$(tail -n 40 "$1")"; }

out=$SNAKE_BUILD_DIR/deb  # what `deb` makes, for the others
name=velmors-snake-$SNAKE_VERSION
arch=$(dpkg --print-architecture)
suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
base=$SNAKE_BUILD_DIR/debian-base/$suite
scratch=$(mktemp -d "${TMPDIR:-/tmp}/snake-package.XXXXXX")
game=
trap '[[ -z $game ]] || kill "$game" 2>/dev/null; rm -rf "$scratch"' EXIT

copy_sources() {  # copy_sources FOLDER: the working tree without build/, .git and what git ignores
    mkdir -p "$1"
    tar -C "$SNAKE_SOURCE_DIR" --exclude=./build --exclude-vcs --exclude-vcs-ignores -cf - . |
        tar -C "$1" -xf -
}

case "${1:-}" in
    deb)
        rm -rf "$out" && copy_sources "$out/$name"
        # The README's commands, with tar for git archive: these sources are no clone.
        tar -C "$out" --exclude="$name/debian" -czf "$out/velmors-snake_$SNAKE_VERSION.orig.tar.gz" "$name"
        (cd "$out/$name" && run "$out/build.log" env DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc)
        deb=$(echo "$out"/velmors-snake_*_"$arch".deb)
        # Run as root, lintian says so on stderr; that aside, any word from it fails.
        lint=$(lintian --pedantic --display-info "$out"/*.changes 2>&1 | grep -v '^running with root' || true)
        [[ -z "$lint" ]] || fail "lintian:"$'\n'"$lint"

        root=$scratch/root
        dpkg-deb -x "$deb" "$root"
        # hardening-check judges _FORTIFY_SOURCE by the checked libc calls it finds, and the game
        # makes none whose size the compiler knows; and the C start files of Debian 12 carry no
        # control-flow protection mark, so that no program linked there has one. Both show in
        # the compile commands. Debian 13's asks every architecture for AArch64's branch protection.
        skip=(--nofortify --nocfprotection)
        [[ $(uname -m) == aarch64 || $(hardening-check --help) != *nobranchprotection* ]] ||
            skip+=(--nobranchprotection)
        hardening=$(hardening-check "${skip[@]}" "$root/usr/games/velmors-snake") || fail "$hardening"
        commands=$(grep '"command":' "$out/$name"/obj-*/compile_commands.json)
        flags=(-D_FORTIFY_SOURCE=)
        [[ $(uname -m) != x86_64 ]] || flags+=(-fcf-protection)
        for flag in "${flags[@]}"; do
            missing=$(grep -v -e "$flag" <<<"$commands" | grep -o -e '-c [^"]*' || true)
            [[ -z "$missing" ]] || fail "compiled without $flag:"$'\n'"$missing"
        done

        page=$root/usr/share/man/man6/velmors-snake.6.gz
        warnings=$(zcat "$page" | groff -man -ww -z 2>&1; man --warnings -l "$page" 2>&1 >/dev/null)
        [[ -z "$warnings" ]] || fail "the manual page has warnings:"$'\n'"$warnings"

        # The debug symbols package names the game's own functions and sources in a backtrace.
        dpkg-deb -x "$(echo "$out"/velmors-snake-dbgsym_*_"$arch".deb)" "$root"
        QT_QPA_PLATFORM=offscreen "$root/usr/games/velmors-snake" >/dev/null 2>&1 &
        game=$!
        sleep 2
        trace=$(gdb -batch -nx -iex "set debug-file-directory $root/usr/lib/debug" \
            -ex 'thread apply all backtrace' -p "$game" 2>&1) || true
        kill "$game" && game=
        grep -q ' main (.* at \./app/main\.cpp:' <<<"$trace" ||
            fail "no backtrace through the game's main in ./app/main.cpp:"$'\n'"$trace"

        echo "lintian has nothing to say, hardened, manual page fine, debug symbols found"
        "$SNAKE_CHECK_INSTALL" deb "$deb" ;;
    base)
        [[ -d $base ]] || { scripts=$SNAKE_SOURCE_DIR/scripts &&
            run "$scratch/log" "$scripts/debian-base.sh" "$suite" "$base.new" && mv "$base.new" "$base"; }
        echo "a fresh $suite root in $base" ;;
    piuparts)
        run "$scratch/log" piuparts --existing-chroot "$base" --keep-sources-list -d "$suite" \
            "$out"/velmors-snake_*_"$arch".deb
        tail -n 1 "$scratch/log" ;;
    autopkgtest)
        cp -a "$base" "$scratch/testbed"
        run "$scratch/log" autopkgtest "$out"/*.changes -- chroot "$scratch/testbed"
        grep -E "^window +" "$scratch/log" | tail -n 1 ;;
    reprotest)
        copy_sources "$scratch/$name"
        # Variations it cannot make here: another build user needs a second account (and sudo);
        # disorderfs needs FUSE, which a root made by debootstrap lacks.
        run "$scratch/log" env DEB_BUILD_OPTIONS=nocheck reprotest --vary=-user_group \
            --store-dir="$scratch/store" "$scratch/$name" -- null
        grep -E '^Reproduction successful|^=+$' "$scratch/log" | tail -n 3 ;;
    *) fail "usage: check_package.sh deb|base|piuparts|autopkgtest|reprotest" ;;
esac
