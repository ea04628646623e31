#!/usr/bin/env bash
# Opens the game of an unpacked package, under scripts/with-x.sh: check_windows.sh <root>.
source "$(dirname "$0")/lib.sh"

# In X: the unpacked game with its usr/share first in XDG_DATA_DIRS, and with no data (built-in
# icon). Its window's title, owner, class, and icons of both sizes (a theme alone may give 48 px).
check_windows() {  # check_windows ROOT
    local root=$1 dirs window icon class
    class=$(desktop_key "$root/usr/share/applications/$id.desktop" StartupWMClass)
    mkdir "$scratch/no-data"
    for dirs in "$root/usr/share:/usr/local/share:/usr/share" "$scratch/no-data"; do
        # In English, whatever the desktop's language: the title is looked for by its text.
        env -u LANGUAGE LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb XDG_DATA_DIRS=$dirs \
            "$root/usr/games/$SNAKE_EXECUTABLE" >"$scratch/log" 2>&1 &
        game=$!
        window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Velmor's Snake\$" |
            head -n 1) || fail "no window titled Velmor's Snake appeared:"$'\n'"$(cat "$scratch/log")"
        want "$(xdotool getwindowpid "$window")" "^$game\$" "the window's process, not the game's"
        want "$(xprop -id "$window" WM_CLASS)" ", \"$class\"\$" "WM_CLASS, not StartupWMClass=$class"
        for _ in $(seq 100); do  # the game sets its icon just after its first frame
            icon=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | xargs)
            [[ $icon == "Icon (128 x 128) Icon (48 x 48)" ]] && break || sleep 0.05
        done
        want "$icon" '^Icon \(128 x 128\) Icon \(48 x 48\)$' "with XDG_DATA_DIRS=$dirs, the icons"
        kill "$game"
        timeout 10 tail --pid="$game" -f /dev/null || fail "the game did not end when told to"
        game=
    done
}

check_windows "$1"
