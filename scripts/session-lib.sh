# What scripts/with-x.sh and scripts/with-sway.sh share; sourced, not run. A scratch folder
# ($work), the servers started in the background ($pids), and their end on the way out.
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

wait_for() {  # wait_for COMMAND...: until it succeeds, for up to a minute (a loaded machine's)
    local end=$((SECONDS + 60))
    until "$@" 2>/dev/null; do
        ((SECONDS < end)) || return 1
        sleep 0.05
    done
}

# Runs COMMAND in the session bus a desktop has; the daemon's complaint about its fd limit is
# noise here.
in_dbus_session() {  # in_dbus_session [PREFIX...] -- COMMAND...
    local prefix=()
    while [[ $1 != -- ]]; do prefix+=("$1"); shift; done
    "${prefix[@]}" dbus-run-session "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
}
