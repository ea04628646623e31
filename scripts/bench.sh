#!/usr/bin/env bash
# Measures the game's speed, memory and timing, and prints each figure next to its target:
#   scripts/bench.sh
# Installs whatever is missing, builds the `bench` preset (build/bench), runs every benchmark
# (about two minutes) and prints a table: figure | target | measured | met. It is a report, not
# a test: it exits 0 when a target is missed, or when a figure could not be taken (the table
# says so); only a failed build or an X server that does not start make it fail.
# The raw output of every run is kept in build/bench/results/.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
runs=${SNAKE_BENCH_STARTUP_RUNS:-15}  # start-up runs of each program, alternating

scripts/install-deps.sh build test bench
cmake --preset bench >/dev/null
cmake --build --preset bench --parallel "$jobs" --target velmors-snake rules_bench paint_bench \
    startup_snake startup_bare startup_button startup_window startup_compare tick_regularity

# The rest runs in a display of its own, with a window manager and a session bus.
if [[ -z "${SNAKE_BENCH_IN_X:-}" ]]; then
    SNAKE_BENCH_IN_X=1 exec scripts/with-x.sh "$0" "$@"
fi

bin=$PWD/build/bench/bench
game=$PWD/build/bench/app/velmors-snake
results=$PWD/build/bench/results
rm -rf "$results"
mkdir -p "$results"
work=$(mktemp -d)
mkdir -m 700 "$work/runtime"

# Everything started in the background is ended on the way out, newest first. Long steps run
# in the background too (bounded), so that Ctrl-C ends them at once.
pids=()
forget() {  # forget PID: it has ended, and its number may be reused
    local kept=() pid
    for pid in "${pids[@]}"; do
        [[ $pid == "$1" ]] || kept+=("$pid")
    done
    pids=("${kept[@]}")
}
stop() {  # stop PID: ends one process this script started
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
    forget "$1"
}
bounded() {  # bounded SECONDS COMMAND...
    timeout "$1" "${@:2}" &
    local pid=$! status=0
    pids+=("$pid")
    wait "$pid" || status=$?
    forget "$pid"
    return "$status"
}
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    for i in "${pids[@]}"; do
        wait "$i" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The table.
figures=()
targets=()
measured=()
verdicts=()
row() {  # row FIGURE TARGET MEASURED MET
    figures+=("$1")
    targets+=("$2")
    measured+=("$3")
    verdicts+=("$4")
    printf '  %s: %s (target %s) %s\n' "$1" "$3" "$2" "$4"
}
# yes when `value op limit` holds, "no" when not, "not measured" without a value.
check() {  # check VALUE OP LIMIT
    [[ -n "$1" ]] || {
        echo "not measured"
        return
    }
    awk -v v="$1" -v l="$3" -v op="$2" 'BEGIN {
        ok = (op == "<") ? v < l : (op == "<=") ? v <= l : (op == ">=") ? v >= l : v == l
        print ok ? "yes" : "**no**" }'
}
calc() { awk "BEGIN { printf \"$1\", $2 }"; }

# Clean environment for the programs: no inherited platform, scale or session settings.
qt_env=(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS
    -u QT_AUTO_SCREEN_SCALE_FACTOR -u QT_ENABLE_HIGHDPI_SCALING XDG_RUNTIME_DIR="$work/runtime")

echo "== machine: $jobs cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"

# --- Rules and painting: Google Benchmark, median of 5 repetitions -------------------------
gbench=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true
    --benchmark_min_time=0.3 --benchmark_out_format=csv)
# The median real time of benchmark NAME in CSV FILE, in ns; empty when it failed.
median_ns() {
    awk -F, -v name="\"$1_median\"" '$1 == name && $9 == "" {
        scale = ($5 == "us") ? 1e3 : ($5 == "ms") ? 1e6 : ($5 == "s") ? 1e9 : 1
        printf "%.1f", $3 * scale }' "$2"
}

echo "== rules"
bounded 600 "$bin/rules_bench" "${gbench[@]}" --benchmark_out="$results/rules.csv" \
    >"$results/rules.txt" 2>&1 || true
for length in 8 200 2025; do
    ns=$(median_ns "BM_Tick/$length" "$results/rules.csv")
    case $length in
        8) row "Tick, 8-piece snake" "< 1 µs" "${ns:-failed} ns" "$(check "$ns" "<" 1000)" ;;
        200) row "Tick, 200-piece snake" "—" "${ns:-failed} ns" "—" ;;
        2025) row "Tick, 2025-piece snake" "< 50 µs" "${ns:-failed} ns" "$(check "$ns" "<" 50000)" ;;
    esac
done
ns=$(median_ns BM_ResetGrid "$results/rules.csv")
row "Playfield::ResetGrid" "< 20 µs" "${ns:-failed} ns" "$(check "$ns" "<" 20000)"
ns=$(median_ns BM_NewGame "$results/rules.csv")
row "SnakeGame::NewGame" "—" "${ns:-failed} ns" "—"

echo "== painting (offscreen, 377 x 377)"
bounded 600 "${qt_env[@]}" QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 "$bin/paint_bench" \
    "${gbench[@]}" --benchmark_out="$results/paint.csv" >"$results/paint.txt" 2>&1 || true
ns=$(median_ns BM_PaintTick "$results/paint.csv")
us=${ns:+$(calc %.2f "$ns / 1000")}
row "Repaint after a tick (2 cells)" "< 100 µs" "${us:-failed} µs" "$(check "$us" "<" 100)"
ns=$(median_ns BM_PaintFullField "$results/paint.csv")
us=${ns:+$(calc %.1f "$ns / 1000")}
row "Repaint of the whole field" "< 2000 µs" "${us:-failed} µs" "$(check "$us" "<" 2000)"

echo "== X server"
echo "  display $DISPLAY"

# --- Start-up and memory, side by side -------------------------------------------------------
# The median of FIELD for PROGRAM in startup_compare's output FILE.
startup_median() {  # startup_median PROGRAM FIELD FILE
    awk -v program="$1" -v field="$2=" '$1 == "median" && $2 == program {
        for (i = 3; i <= NF; i++) if (index($i, field) == 1) print substr($i, length(field) + 1) }' "$3"
}
startup() {  # startup PLATFORM-LABEL ENV...
    local label=$1 out="$results/startup-$1.txt"
    shift
    bounded 600 "${qt_env[@]}" "$@" "$bin/startup_compare" "$runs" "$bin/startup_snake" \
        "$bin/startup_bare" "$bin/startup_button" "$bin/startup_window" \
        >"$out" 2>"$results/startup-$label.err" || true
    local field snake bare ratio unit what yardstick value
    for field in first_frame_ms rss_kb; do
        snake=$(startup_median startup_snake "$field" "$out")
        bare=$(startup_median startup_bare "$field" "$out")
        unit=ms
        what="Start-up to first frame"
        if [[ $field == rss_kb ]]; then
            unit=KiB
            what="Resident memory once shown"
        fi
        if [[ -z "$snake" || -z "$bare" || "$bare" == 0 ]]; then
            row "$what ($label)" "≤ 1.15 × bare window" "failed" "not measured"
            continue
        fi
        ratio=$(calc %.2f "$snake / $bare")
        row "$what ($label)" "≤ 1.15 × bare window" \
            "$snake $unit vs $bare $unit: ${ratio}×" "$(check "$ratio" "<=" 1.15)"
        for yardstick in "startup_button:… bare window + one push button" \
            "startup_window:… the game's window without the icon"; do
            value=$(startup_median "${yardstick%%:*}" "$field" "$out")
            if [[ -n "$value" ]]; then
                row "${yardstick#*:} ($label)" "(yardstick)" \
                    "$value $unit: $(calc %.2f "$value / $bare")×" "—"
            fi
        done
    done
}
echo "== start-up, $runs alternating runs each (xcb: Xvfb + openbox)"
startup xcb
echo "== start-up, $runs alternating runs each (offscreen)"
startup offscreen QT_QPA_PLATFORM=offscreen

# --- Idle and play: the real game ------------------------------------------------------------
tck=$(getconf CLK_TCK)
cpu_ticks() {  # utime + stime of the whole process
    local stat rest
    local -a f
    stat=$(<"/proc/$1/stat")
    rest=${stat##*) }
    read -r -a f <<<"$rest"
    echo $((f[11] + f[12]))
}
wakeups() {  # context switches of all its threads
    local total=0 key value status
    for status in /proc/"$1"/task/*/status; do
        while read -r key value; do
            case $key in
                voluntary_ctxt_switches: | nonvoluntary_ctxt_switches:) total=$((total + value)) ;;
            esac
        done <"$status" 2>/dev/null || true
    done
    echo "$total"
}
visible_windows() { { timeout 5 xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; } | wc -l; }
# Sets cpu_used (ticks), wake_count and seconds for a window of SECONDS.
measure() {  # measure PID SECONDS
    local t0 t1 c0 c1 w0 w1
    c0=$(cpu_ticks "$1")
    w0=$(wakeups "$1")
    t0=$EPOCHREALTIME
    sleep "$2"
    c1=$(cpu_ticks "$1")
    w1=$(wakeups "$1")
    t1=$EPOCHREALTIME
    cpu_used=$((c1 - c0))
    wake_count=$((w1 - w0))
    seconds=$(calc %.2f "$t1 - $t0")
}
idle_row() {  # idle_row WHEN
    row "CPU while idle, $1 (${seconds} s)" "0 s" \
        "$(calc %.2f "$cpu_used / $tck") s, $wake_count wake-ups" "$(check "$cpu_used" "==" 0)"
}

echo "== idle and play (the game, under Xvfb + openbox)"
"${qt_env[@]}" "$game" >"$results/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n1 || true)
if [[ -z "$window" ]]; then
    row "Idle and play" "—" "the game's window did not show" "not measured"
else
    sleep 2  # let the start settle
    measure "$game_pid" 10
    idle_row "before the first game"

    # Start, then turn the snake back every 100 ms (Left, Right, ...) so it shuttles and lives.
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    timeout 5 xdotool mousemove --window "$window" 188 184 click 1 || true
    keys=()
    for _ in $(seq 160); do keys+=(Left Right); done
    xdotool key --delay 100 "${keys[@]}" &
    keys_pid=$!
    pids+=("$keys_pid")
    sleep 1
    measure "$game_pid" 25
    play_ticks=$cpu_used
    play_seconds=$seconds
    alive=$(visible_windows "$game_pid")
    stop "$keys_pid"
    # Left alone, the snake runs into the wall within 4.5 s and the message box shows: that
    # proves the game was running.
    over=0
    for _ in $(seq 80); do
        if [[ $(visible_windows "$game_pid") -ge 2 ]]; then
            over=1
            break
        fi
        sleep 0.1
    done
    percent=$(calc %.2f "100 * $play_ticks / $tck / $play_seconds")
    if [[ $alive -eq 1 && $over -eq 1 ]]; then
        row "CPU while playing (${play_seconds} s)" "< 1 % of a core" "$percent %" \
            "$(check "$percent" "<" 1)"
    else
        row "CPU while playing (${play_seconds} s)" "< 1 % of a core" \
            "$percent % (the game $([[ $alive -eq 1 ]] && echo 'never started' || echo 'ended early'))" \
            "not measured"
    fi

    if [[ $over -eq 1 ]]; then
        box=$(timeout 5 xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -vx "$window" | head -n1 || true)
        if [[ -n "$box" ]]; then
            timeout 5 xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
        fi
        timeout 5 xdotool key Return || true
        for _ in $(seq 50); do
            [[ $(visible_windows "$game_pid") -eq 1 ]] && break
            sleep 0.1
        done
        sleep 2
        measure "$game_pid" 10
        idle_row "after a game"
    fi
fi
stop "$game_pid"

# --- Tick regularity, with the other core busy -----------------------------------------------
echo "== tick regularity (Xvfb + openbox, the other core busy)"
if ((jobs > 1)); then
    taskset -c "$((jobs - 1))" bash -c 'while :; do :; done' &
    pids+=($!)
    busy_pid=$!
fi
bounded 120 "${qt_env[@]}" "$bin/tick_regularity" 310 >"$results/tick.txt" \
    2>"$results/tick.err" || true
[[ -n "${busy_pid:-}" ]] && stop "$busy_pid"
tick() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" "$results/tick.txt"; }
if [[ "$(tick alive)" == 1 ]]; then
    mean=$(tick mean_ms)
    row "Tick interval, mean over $(tick ticks) intervals" "100 ± 1 ms" "$mean ms" \
        "$(awk -v m="$mean" 'BEGIN { print (m >= 99 && m <= 101) ? "yes" : "**no**" }')"
    row "Shortest tick interval" "≥ 95 ms" "$(tick min_ms) ms ($(tick early) under 95 ms, $(tick early_after_late) right after a late one)" \
        "$(check "$(tick min_ms)" ">=" 95)"
    row "Lateness, 99th percentile" "< 10 ms" \
        "$(tick p99_late_ms) ms (longest interval $(tick max_ms) ms)" \
        "$(check "$(tick p99_late_ms)" "<" 10)"
else
    row "Tick regularity" "—" "the run did not complete (see $results/tick.err)" "not measured"
fi

echo "== load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| Figure | Target | Measured | Met |"
echo "|---|---|---|---|"
for i in "${!figures[@]}"; do
    echo "| ${figures[i]} | ${targets[i]} | ${measured[i]} | ${verdicts[i]} |"
done
