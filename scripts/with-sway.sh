#!/usr/bin/env bash
# Runs a command as a client of a private headless sway (a Wayland compositor) with a D-Bus
# session, and tears them down after:   scripts/with-sway.sh <command> [args...]
# The command sees WAYLAND_DISPLAY, SWAYSOCK and XDG_RUNTIME_DIR; its exit status is ours.
# sway will not run as root: then it and the command run as nobody, in folders of their own.
set -euo pipefail
source "$(dirname "$0")/session-lib.sh"

mkdir -m 700 "$work/run" "$work/home"
as=()
if [[ $(id -u) -eq 0 ]]; then
    chmod 711 "$work"
    chown 65534:65534 "$work/run" "$work/home"
    as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    export HOME="$work/home"
fi
export XDG_RUNTIME_DIR="$work/run"
printf 'output HEADLESS-1 resolution 1280x800 position 0 0\nxwayland disable\n' >"$work/config"
chmod 644 "$work/config"

WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${as[@]}" sway -c "$work/config" >"$work/sway.log" 2>&1 &
pids+=($!)
sockets() {  # exports WAYLAND_DISPLAY and SWAYSOCK once sway has made both
    for file in "$XDG_RUNTIME_DIR"/wayland-* "$XDG_RUNTIME_DIR"/sway-ipc.*.sock; do
        [[ -S "$file" && "$file" == */wayland-* ]] && export WAYLAND_DISPLAY="${file##*/}"
        [[ -S "$file" && "$file" == */sway-ipc.* ]] && export SWAYSOCK="$file"
    done
    [[ -n "${WAYLAND_DISPLAY:-}" && -n "${SWAYSOCK:-}" ]]
}
wait_for sockets || { echo "with-sway: sway did not start" >&2; cat "$work/sway.log" >&2; exit 1; }

# One virtual keyboard for the whole session. A client sets its keyboard up when the seat
# gets one: were each key sent by a keyboard of its own, the first would arrive too early.
"${as[@]}" wtype -s 600000 &
pids+=($!)
wait_for eval "swaymsg -t get_seats | grep -q '\"capabilities\": [1-9]'" || true

# The command runs as nobody too, unless the build lies where nobody cannot read it.
for arg in "$@"; do
    if [[ ${#as[@]} -gt 0 && -e "$arg" ]] && ! "${as[@]}" test -r "$arg"; then
        echo "with-sway: nobody cannot read $arg: the command runs as $(id -un)" >&2
        as=()
        export WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" XDG_RUNTIME_DIR="$work/home"
        chown "$(id -u):$(id -g)" "$work/home"
    fi
done
in_dbus_session "${as[@]}" -- "$@"
