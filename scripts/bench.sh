#!/usr/bin/env bash
# Measures the game's speed, memory and timing, and prints each figure next to its target:
#   scripts/bench.sh
# Installs whatever is missing, builds the `bench` preset (build/bench), runs every benchmark
# (about two and a half minutes; the window's in a display of its own, scripts/with-x.sh) and
# prints the table: figure | target | measured | met. A report, not a test: a missed target
# still exits 0. Each program's whole output stays in build/bench/results/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build test bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target field_bench window_bench
bin=build/bench/bench
results=build/bench/results
mkdir -p "$results"
repeated=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_min_time=0.3)

echo "== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$bin/field_bench" "${repeated[@]}" | tee "$results/field.txt"
env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR -u WAYLAND_DISPLAY scripts/with-x.sh \
    "$bin/window_bench" --benchmark_enable_random_interleaving=true | tee "$results/window.txt"
echo "== load at the end $(cut -d' ' -f1-3 /proc/loadavg)"
printf '\n| Figure | Target | Measured | Met |\n|---|---|---|---|\n'
grep -h '^| ' "$results"/{field,window}.txt
