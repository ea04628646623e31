#!/usr/bin/env bash
# Runs a command as a client of a real desktop shell, GNOME Shell or KWin, nested in a private
# Xvfb, and tears them down after:   scripts/with-desktop.sh gnome|kde <command> [args...]
# The command sees the shell's WAYLAND_DISPLAY, its XWayland in DISPLAY, the hosting Xvfb in
# SNAKE_HOST_DISPLAY (keys typed there reach the window the shell focuses, and its pixels are
# what the shell draws), XDG_CURRENT_DESKTOP and the shell's session bus; its exit status is ours.
# The shell runs in a mount and network namespace of its own: GNOME Shell's XWayland takes the
# lowest free display number and it needs a system bus, neither of which it may share.
set -euo pipefail
desktop=${1:-}
[[ $desktop == gnome || $desktop == kde ]] || { echo "usage: $0 gnome|kde <command>..." >&2; exit 2; }
shift
# GNOME Shell 43 to 48 can run nested in an X server; later ones only headless or in a viewer
# of their own, neither of which the keys typed here nor a picture of the Xvfb reach.
if [[ $desktop == gnome ]] && ! gnome-shell --help 2>/dev/null | grep -q -- --nested; then
    echo "with-desktop: skipped, this gnome-shell cannot run nested (no --nested)" >&2
    exit 77
fi
if [[ -z ${SNAKE_DESKTOP_NS:-} ]]; then
    [[ $(id -u) -eq 0 ]] || { echo "with-desktop: skipped, needs root for its namespaces" >&2; exit 77; }
    exec env SNAKE_DESKTOP_NS=1 unshare -m -n --propagation private "$0" "$desktop" "$@"
fi
unset SNAKE_DESKTOP_NS
# Its own folder of X sockets, not a /tmp of its own: the command (and this script) may live in
# /tmp. Lock files stay in the common /tmp, where every X server sees which numbers are taken.
mkdir -p -m 1777 /tmp/.X11-unix
for dir in /tmp/.X11-unix /run/dbus /run/systemd /run/user; do
    mkdir -p "$dir" && mount -t tmpfs -o mode=1777 tmpfs "$dir"
done
source "$(dirname "$0")/session-lib.sh"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for test -s "$work/display" ||
    { echo "with-desktop: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export SNAKE_HOST_DISPLAY=":$(head -n1 "$work/display")"
mkdir -m 700 "$work/run" "$work/home"
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export XDG_SESSION_TYPE=wayland NO_AT_BRIDGE=1 GSETTINGS_BACKEND=keyfile
# A busy machine (a build beside, the sanitizers) can keep a client from answering mutter's
# ping in its 5 s: its "not responding" box would cover the game. No pings here.
mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings"
printf '[org/gnome/mutter]\ncheck-alive-timeout=uint32 0\n' >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"

dbus-daemon --system --fork --nopidfile
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>"$work/bus.log" |
    { read -r address; read -r pid; echo "export DBUS_SESSION_BUS_ADDRESS='$address'; pids+=($pid)"; })"

if [[ $desktop == kde ]]; then
    export XDG_CURRENT_DESKTOP=KDE WAYLAND_DISPLAY=wl-kde
    # The installed binary carries a file capability a container may refuse to run; a plain
    # copy has none.
    cp /usr/bin/kwin_wayland "$work/kwin_wayland"
    # What its scripts print goes to its log, where the command finds it: KWin's window list.
    export SNAKE_SHELL_LOG="$work/shell.log"
    DISPLAY=$SNAKE_HOST_DISPLAY QT_LOGGING_RULES=kwin_scripting.debug=true "$work/kwin_wayland" --x11-display "$SNAKE_HOST_DISPLAY" \
        --width 1024 --height 768 --socket "$WAYLAND_DISPLAY" --xwayland --no-lockscreen \
        >"$work/shell.log" 2>&1 &
else
    export XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=wl-gnome
    # The user's session as it is but for the overview, which hides new windows at start, and
    # with an extension (GNOME 45 and later) that lets org.gnome.Shell.Eval tell the windows.
    ext=$work/data/gnome-shell/extensions/snake-windows@velmor
    mkdir -p "$work/data/gnome-shell/modes" "$ext" "$XDG_CONFIG_HOME/xdg-desktop-portal"
    echo '{ "parentMode": "user", "hasOverview": false, "enabledExtensions": ["snake-windows@velmor"] }' \
        >"$work/data/gnome-shell/modes/snake.json"
    echo '{ "uuid": "snake-windows@velmor", "name": "Windows for tests", "description": "Eval",
        "shell-version": ["45", "46", "47", "48"] }' >"$ext/metadata.json"
    echo "import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';
        export default class extends Extension {
            enable() { global.context.unsafe_mode = true; } disable() {} }" >"$ext/extension.js"
    # GNOME's settings portal tells Qt's own title bar GNOME's buttons; the GTK one reads the
    # same settings (GNOME's own needs a file manager).
    printf '[preferred]\ndefault=gtk\n' >"$XDG_CONFIG_HOME/xdg-desktop-portal/portals.conf"
    DISPLAY=$SNAKE_HOST_DISPLAY MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 \
        XDG_DATA_DIRS="$work/data:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
        gnome-shell --nested --wayland --wayland-display "$WAYLAND_DISPLAY" --mode=snake \
        >"$work/shell.log" 2>&1 &
fi
pids+=($!)
xwayland() {  # exports DISPLAY once the shell's XWayland answers
    local socket
    for socket in /tmp/.X11-unix/X*; do
        [[ ":${socket##*/X}" == "$SNAKE_HOST_DISPLAY" ]] && continue
        for auth in "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*; do
            [[ -e $auth ]] && export XAUTHORITY=$auth
        done
        DISPLAY=":${socket##*/X}" xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' &&
            export DISPLAY=":${socket##*/X}"
        return
    done
    return 1
}
for _ in 1 2 3; do wait_for xwayland && [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && break; done
[[ -n ${DISPLAY:-} && -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] ||
    { echo "with-desktop: the shell did not start" >&2; cat "$work/shell.log" >&2; exit 1; }
# What the bus starts (a portal) comes to the same display.
dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY XAUTHORITY XDG_CURRENT_DESKTOP
"$@"
