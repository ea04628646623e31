#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   scripts/dev.sh play   installs what is missing, builds and starts the game
#   scripts/dev.sh test   installs what is missing, builds and runs every test, then all
#                         of them again built with the sanitizers
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
        # Everything again under AddressSanitizer, LeakSanitizer and UBSan: a report fails.
        build asan
        ctest --preset asan --parallel "$jobs"
        ;;
    *)
        echo "usage: scripts/dev.sh play|test" >&2
        exit 2
        ;;
esac
