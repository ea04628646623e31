#!/usr/bin/env bash
# One entry point for a fresh Debian 12 or 13 machine:
#   scripts/dev.sh play   installs what is missing, builds and starts the game
#   scripts/dev.sh test   installs what is missing, builds and runs every test, then all
#                         of them again built with the sanitizers (not with --first-pass)
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)

build() {  # build <preset>
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" --parallel "$jobs"
}

case "${1:-}" in
    play)
        scripts/install-deps.sh build
        build release
        exec build/release/app/velmors-snake
        ;;
    test)
        scripts/install-deps.sh build test bench package
        # Warnings are errors in CI.
        preset=dev
        [[ -n "${CI:-}" ]] && preset=ci
        build "$preset"
        ctest --preset "$preset" --parallel "$jobs"
        [[ "${2:-}" != --first-pass ]] || exit 0
        # Everything again under AddressSanitizer, LeakSanitizer and UBSan: a report fails.
        build asan
        ctest --preset asan --parallel "$jobs"
        ;;
    *)
        echo "usage: scripts/dev.sh play | test [--first-pass]" >&2
        exit 2
        ;;
esac
