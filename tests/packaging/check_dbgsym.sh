#!/usr/bin/env bash
# With the -dbgsym package (unpacked in ROOT beside the game), a backtrace of the running game
# names its own main in its own source file.   check_dbgsym.sh ROOT
set -euo pipefail
root=$1
QT_QPA_PLATFORM=offscreen "$root/usr/games/velmors-snake" >/dev/null 2>&1 &
game=$!
trap 'kill "$game" 2>/dev/null || true' EXIT
sleep 2
trace=$(gdb -batch -nx -iex "set debug-file-directory $root/usr/lib/debug" \
    -ex 'thread apply all backtrace' -p "$game" 2>&1) || true
grep ' main (.* at \./app/main\.cpp:' <<<"$trace" ||
    { echo "FAIL: no backtrace through the game's main in ./app/main.cpp:"$'\n'"$trace"; exit 1; }
