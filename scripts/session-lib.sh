# What scripts/with-x.sh and scripts/with-sway.sh share; sourced, not run. A scratch folder
# ($work), the servers started in the background ($pids), and their end on the way out.
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # Now and then GNOME Shell takes twenty seconds and more over its end, still drawing: what
    # runs five seconds on is killed.
    local end=$((SECONDS + 5))
    while ((SECONDS < end)) && kill -0 "${pids[@]}" 2>/dev/null; do sleep 0.1; done
    kill -KILL "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    # What the session bus started on demand (a desktop portal) outlives it for a moment and
    # writes in the session's folders, even mounts one (xdg-document-portal): it ends first.
    local proc mount
    for proc in /proc/[0-9]*; do
        [[ ${proc#/proc/} != "$$" ]] && tr '\0' '\n' 2>/dev/null <"$proc/environ" |
            grep -q -x -F -e "XDG_RUNTIME_DIR=$work" -e "XDG_RUNTIME_DIR=$work/run" &&
            kill "${proc#/proc/}" 2>/dev/null || true
    done
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        rm -rf "$work" 2>/dev/null && return
        for mount in $(awk -v work="$work/" 'index($2, work) == 1 { print $2 }' /proc/mounts); do
            umount -l "$mount" 2>/dev/null || fusermount3 -u -z "$mount" 2>/dev/null || true
        done
        sleep 0.2
    done
    echo "${0##*/}: could not remove $work" >&2
}
trap cleanup EXIT

wait_for() {  # wait_for COMMAND...: until it succeeds, for up to a minute (a loaded machine's)
    local end=$((SECONDS + 60))
    until "$@" 2>/dev/null; do
        ((SECONDS < end)) || return 1
        sleep 0.05
    done
}

# Runs COMMAND in a session bus of its own, as a desktop has. What the daemon and the services
# it starts (a desktop portal) say is noise here: it goes to $work/bus.log.
in_dbus_session() {  # in_dbus_session [PREFIX...] -- COMMAND...
    local prefix=()
    while [[ $1 != -- ]]; do prefix+=("$1"); shift; done
    printf '#!/bin/sh\nexec dbus-daemon "$@" 2>>%s/bus.log\n' "$work" >"$work/bus"
    touch "$work/bus.log"
    chmod 755 "$work/bus" && chmod 666 "$work/bus.log"  # PREFIX may run it as another user
    "${prefix[@]}" dbus-run-session --dbus-daemon="$work/bus" "$@"
}
