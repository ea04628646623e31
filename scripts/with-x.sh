#!/usr/bin/env bash
# Runs a command in a private X server with a window manager and a D-Bus session, as on a
# desktop, and tears them down after:   scripts/with-x.sh [--no-wm] <command> [args...]
# --no-wm leaves the window manager out. The command sees DISPLAY and XDG_RUNTIME_DIR; its
# exit status is ours.
set -euo pipefail
source "$(dirname "$0")/session-lib.sh"

wm=openbox
if [[ "${1:-}" == --no-wm ]]; then
    wm=
    shift
fi

# Xvfb picks a free display and tells us its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for test -s "$work/display" ||
    { echo "with-x: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

if [[ -n "$wm" ]]; then
    # Ready once it runs its startup command; it names itself on the root window before it
    # manages new windows, and a window mapped in between stays unmapped.
    openbox --sm-disable --startup "touch $work/openbox-ready" >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_for test -e "$work/openbox-ready" ||
        { echo "with-x: openbox did not start" >&2; cat "$work/openbox.log" >&2; exit 1; }
fi

in_dbus_session -- "$@"
