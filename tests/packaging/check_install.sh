#!/usr/bin/env bash
# Checks that the game installs and packages like a well-kept desktop program.
#
#   check_install.sh install     installs into a scratch DESTDIR; the files are all there, the
#                                desktop entry and the metainfo validate and agree with each other
#   check_install.sh deb <.deb>  checks the package's control fields, unpacks it into a scratch
#                                root and opens the unpacked game under Xvfb (scripts/with-x.sh
#                                runs `check_install.sh windows <root>`)
#   check_install.sh icons       the checked-in PNG icons are what the SVG renders to
#
# CTest passes everything through the environment (tests/packaging/CMakeLists.txt):
# SNAKE_BUILD_DIR, SNAKE_APP_ID, SNAKE_EXECUTABLE, SNAKE_VERSION, SNAKE_INSTALL_BINDIR,
# SNAKE_SOURCE_DATE_EPOCH, CMAKE_COMMAND, SNAKE_WITH_X, and for `icons` RSVG_CONVERT,
# SNAKE_ICON_SVG, SNAKE_RENDER_ICONS and SNAKE_SOURCE_HICOLOR.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need() {  # need <command>...: the tools come from scripts/install-deps.sh package test
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null ||
            fail "$tool is missing (scripts/install-deps.sh package test installs it)"
    done
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/snake-packaging.XXXXXX")
pids=()  # started in the background; ended on the way out
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' INT TERM

# The value of `key` in the desktop entry's main group.
desktop_key() {  # desktop_key <file> <key>
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1" | head -n 1
}

# desktop-file-validate says nothing about a good entry; anything it says fails the check.
check_desktop_entry() {  # check_desktop_entry <file>
    local out
    out=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate $1 failed: $out"
    [[ -z "$out" ]] || fail "desktop-file-validate complains about $1:"$'\n'"$out"
}

# appstreamcli fails on errors and warnings only; its infos fail here too. Pedantic hints pass
# (it wants lower-case ids, and ours has a capital S by choice).
check_appstream() {  # check_appstream validate <file> | check_appstream validate-tree <root>
    local out status=0
    out=$(appstreamcli "$1" --no-net "$2" 2>&1) || status=$?
    # AppStream before 0.16.4 (Debian 12 has 0.16.1) knows no <developer>, the form 1.0 asks for.
    dpkg --compare-versions "$(appstreamcli --version | grep -o '[0-9.]*$')" ge 0.16.4 ||
        out=$(grep -v 'unknown-tag developer$' <<<"$out")
    if [[ $status -ne 0 ]] || grep -qE '^[[:space:]]*[EWI]: ' <<<"$out"; then
        fail "appstreamcli $1 $2 (exit $status):"$'\n'"$out"
    fi
}

# What the game installs under the prefix, and nothing more; the program is in games/ packaged.
bindir=$SNAKE_INSTALL_BINDIR
expected_files() {
    local id=$SNAKE_APP_ID
    printf '%s\n' \
        "usr/$bindir/$SNAKE_EXECUTABLE" \
        "usr/share/applications/$id.desktop" \
        "usr/share/doc/velmors-snake/changelog.gz" \
        "usr/share/doc/velmors-snake/copyright" \
        "usr/share/man/man6/velmors-snake.6.gz" \
        "usr/share/icons/hicolor/128x128/apps/$id.png" \
        "usr/share/icons/hicolor/48x48/apps/$id.png" \
        "usr/share/icons/hicolor/scalable/apps/$id.svg" \
        "usr/share/metainfo/$id.metainfo.xml" | LC_ALL=C sort
}

# The installed tree under <root> (which holds usr/): files, entry, icons and metainfo.
check_tree() {  # check_tree <root>
    local root=$1 id=$SNAKE_APP_ID
    local actual
    actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
    [[ "$actual" == "$(expected_files)" ]] || fail "installed files differ from the expected ones:" \
        $'\n'"$(diff <(expected_files) <(echo "$actual"))"

    local size kind
    for size in 48 128; do
        kind=$(file -b "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png")
        [[ "$kind" == "PNG image data, $size x $size,"* ]] ||
            fail "the ${size}x$size icon is: $kind"
    done

    local entry=$root/usr/share/applications/$id.desktop
    check_desktop_entry "$entry"
    # The entry must start the installed program, by its full path, and name the installed icon.
    local exec icon categories date
    exec=$(desktop_key "$entry" Exec)
    [[ "${exec%% *}" == "/usr/$bindir/$SNAKE_EXECUTABLE" && -x "$root${exec%% *}" ]] ||
        fail "Exec=$exec is not the installed program"
    icon=$(desktop_key "$entry" Icon)
    [[ "$icon" == "$id" ]] || fail "Icon=$icon is not the installed icon $id"
    categories=";$(desktop_key "$entry" Categories)"
    for kind in Game ArcadeGame; do
        [[ "$categories" == *";$kind;"* ]] || fail "Categories lack $kind: $categories"
    done

    local metainfo=$root/usr/share/metainfo/$id.metainfo.xml
    check_appstream validate "$metainfo"
    # validate-tree also looks for the desktop entry that the metainfo launches.
    check_appstream validate-tree "$root/usr"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    date=$(date -u -d "@$SNAKE_SOURCE_DATE_EPOCH" +%F)
    grep -q "<release version=\"$SNAKE_VERSION\" date=\"$date\"" "$metainfo" ||
        fail "the metainfo has no release $SNAKE_VERSION (project()) of $date (the sources' date)"
}

check_install() {
    need "$CMAKE_COMMAND" desktop-file-validate appstreamcli file
    local log=$scratch/install.log
    DESTDIR="$scratch/root" timeout 60 "$CMAKE_COMMAND" --install "$SNAKE_BUILD_DIR" --prefix /usr \
        >"$log" 2>&1 || fail "cmake --install failed:"$'\n'"$(cat "$log")"
    check_tree "$scratch/root"
    echo "installed files, desktop entry and metainfo are fine"
}

# The control field `name` of the package.
deb_field() {  # deb_field <deb> <name>
    dpkg-deb --field "$1" "$2"
}

check_deb() {  # check_deb <deb>
    need dpkg-deb dpkg Xvfb openbox dbus-run-session xdotool xprop desktop-file-validate \
        appstreamcli file
    local deb=$1 package version arch
    package=$(deb_field "$deb" Package)
    version=$(deb_field "$deb" Version)
    arch=$(dpkg --print-architecture)
    [[ "$package" =~ ^[a-z0-9][a-z0-9.+-]+$ ]] || fail "Package: '$package' is no Debian package name"
    [[ "$version" == "$SNAKE_VERSION" ]] || fail "Version: $version, project() says $SNAKE_VERSION"
    [[ "$(deb_field "$deb" Architecture)" == "$arch" ]] || fail "Architecture is not $arch"
    [[ "$(basename "$deb")" == "${package}_${version}_$arch.deb" ]] ||
        fail "the file is called $(basename "$deb"), not ${package}_${version}_$arch.deb"
    [[ "$(deb_field "$deb" Section)" == games ]] || fail "Section: $(deb_field "$deb" Section)"
    local name_and_address='^[^<>]+ <[^<>]+@[^<>]+>$'
    [[ "$(deb_field "$deb" Maintainer)" =~ $name_and_address ]] ||
        fail "Maintainer: '$(deb_field "$deb" Maintainer)' is not 'Name <address>'"
    [[ -n "$(deb_field "$deb" Description)" ]] || fail "the package has no Description"
    # dpkg-shlibdeps fills Depends from the libraries the program links.
    local depends
    depends=$(deb_field "$deb" Depends)
    [[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] ||
        fail "Depends lacks the shared libraries the game links: '$depends'"

    dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb -x failed"
    check_tree "$scratch/root"
    # A private X server with openbox and a D-Bus session, as on a desktop.
    "$SNAKE_WITH_X" "$0" windows "$scratch/root"
    echo "$(basename "$deb") is fine, and its game opens its window"
}

# In the X session: the unpacked game as installed, and without its data files.
check_windows() {  # check_windows <root>
    local root=$1
    mkdir "$scratch/no-data"
    check_window "$root" "$root/usr/share:/usr/local/share:/usr/share"
    check_window "$root" "$scratch/no-data"
}

# Starts the unpacked game and checks its window: the title, that it is the game's, the class the
# desktop entry names, and an icon at the sizes we ship. `data_dirs` is XDG_DATA_DIRS: with the
# unpacked usr/share first, Qt finds the icon in the hicolor theme as when installed (given the
# theme's index.theme from hicolor-icon-theme); with an empty folder it must take the copy built
# into the program.
check_window() {  # check_window <root> <data_dirs>
    local root=$1 data_dirs=$2
    QT_QPA_PLATFORM=xcb XDG_DATA_DIRS="$data_dirs" "$root/usr/$bindir/$SNAKE_EXECUTABLE" \
        >"$scratch/game.log" 2>&1 &
    local game=$!
    pids+=("$game")

    # Qt also names a hidden client-leader window; the game's own is the visible one.
    local window
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Velmor's Snake\$" | head -n 1) ||
        true
    [[ -n "$window" ]] ||
        fail "no window titled Velmor's Snake appeared:"$'\n'"$(cat "$scratch/game.log")"
    [[ "$(xdotool getwindowname "$window")" == "Velmor's Snake" ]] ||
        fail "the window is titled '$(xdotool getwindowname "$window")'"
    [[ "$(xdotool getwindowpid "$window")" == "$game" ]] ||
        fail "the window does not belong to the unpacked game"
    # Docks match the window to the desktop entry by its class.
    local wm_class wm_class_expected
    wm_class=$(xprop -id "$window" WM_CLASS)
    wm_class_expected=$(desktop_key "$root/usr/share/applications/$SNAKE_APP_ID.desktop" StartupWMClass)
    [[ "$wm_class" == *", \"$wm_class_expected\"" ]] ||
        fail "$wm_class, but the desktop entry says StartupWMClass=$wm_class_expected"
    # Both sizes: a window given no icon of its own can still get a lone 48 px one from the theme.
    # The game sets its icon just after its first frame: give it a moment.
    local icon size
    for _ in $(seq 100); do
        icon=$(xprop -id "$window" _NET_WM_ICON)
        [[ "$icon" == *"Icon (128 x 128)"* ]] && break
        sleep 0.05
    done
    for size in 48 128; do
        [[ "$icon" == *"Icon ($size x $size)"* ]] ||
            fail "with XDG_DATA_DIRS=$data_dirs the window has no ${size}x$size icon:" \
                "${icon:0:200}"
    done

    kill "$game"
    timeout 10 tail --pid="$game" -f /dev/null || fail "the game did not end when told to"
}

check_icons() {
    need "$CMAKE_COMMAND" "$RSVG_CONVERT"
    "$CMAKE_COMMAND" -DRSVG_CONVERT="$RSVG_CONVERT" -DSVG="$SNAKE_ICON_SVG" \
        -DHICOLOR_DIR="$scratch/hicolor" -P "$SNAKE_RENDER_ICONS" || fail "rendering the icons failed"
    local size png
    for size in 48x48 128x128; do
        png=$size/apps/$SNAKE_APP_ID.png
        cmp -s "$scratch/hicolor/$png" "$SNAKE_SOURCE_HICOLOR/$png" ||
            fail "data/icons/hicolor/$png is not what the SVG renders to;" \
                "render it anew with the snake-icons target"
    done
    echo "the PNG icons match the SVG"
}

case "${1:-}" in
    install) check_install ;;
    deb) bindir=games check_deb "$2" ;;
    windows) bindir=games check_windows "$2" ;;
    icons) check_icons ;;
    *) fail "usage: check_install.sh install|deb <.deb>|icons" ;;
esac
