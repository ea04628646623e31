#!/usr/bin/env bash
# Checks that the game installs and packages like a well-kept desktop program: `install` (into a
# scratch root), `deb <.deb>` (its control fields, its files, its game opened under
# scripts/with-x.sh by check_windows.sh), `icons` (the PNGs are what the SVG renders to).
# CTest passes the rest through the environment (tests/packaging/CMakeLists.txt).
source "$(dirname "$0")/lib.sh"

# The tree under ROOT: exactly the files the game installs, the program in usr/BINDIR, and the
# package's own files, if any.
check_tree() {  # check_tree ROOT BINDIR [FILE...]
    local root=$1 bin=$2 share=$1/usr/share out size exec
    local expected=("usr/$bin/$SNAKE_EXECUTABLE" "usr/share/applications/$id.desktop" "${@:3}"
        usr/share/man/man6/velmors-snake.6.gz
        "usr/share/icons/hicolor/"{48x48,128x128}"/apps/$id.png"
        "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/metainfo/$id.metainfo.xml")
    out=$(diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) \
        <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)) ||
        fail "installed files differ from the expected ones:"$'\n'"$out"
    out=$(file -b "$share/icons/hicolor/"{48x48,128x128}"/apps/$id.png" | cut -d, -f1,2 | xargs)
    want "$out" '^PNG image data, 48 x 48 PNG image data, 128 x 128$' "the PNG icons"
    local entry=$share/applications/$id.desktop metainfo=$share/metainfo/$id.metainfo.xml
    quiet . desktop-file-validate "$entry"  # it says nothing about a good entry
    # The entry starts the installed program by its full path, and names the installed icon.
    exec=$(desktop_key "$entry" Exec)
    want "$exec" "^/usr/$bin/$SNAKE_EXECUTABLE( |\$)" "Exec, not the installed program"
    [[ -x $root${exec%% *} ]] || fail "Exec=$exec is not there"
    want "$(desktop_key "$entry" Icon)" "^$id\$" "Icon, not the installed icon"
    want ";$(desktop_key "$entry" Categories)" ";Game;(.*;)?ArcadeGame;|;ArcadeGame;(.*;)?Game;" \
        Categories
    # Infos fail too, pedantic hints pass (ours: the id's capital S); -tree checks the entry too.
    # AppStream before 0.16.4 (Debian 12 has 0.16.1) knows no <developer>, the form 1.0 asks for.
    printf '%s\n' 0.16.4 "$(appstreamcli --version | grep -o '[0-9.]*$')" | sort -C -V ||
        known='unknown-tag developer$'
    quiet '^\s*[EWI]: ' appstreamcli validate --no-net "$metainfo"
    quiet '^\s*[EWI]: ' appstreamcli validate-tree --no-net "$root/usr"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    # The date kept in the sources, whatever the build was told (SOURCE_DATE_EPOCH) or its clock.
    out="<release version=\"$SNAKE_VERSION\" date=\"$(date -u -d "@$SNAKE_RELEASE_EPOCH" +%F)\""
    grep -q "$out" "$metainfo" || fail "the metainfo has no $out (project()'s version, the sources' date)"
    out=$(gzip -dc "$share/man/man6/velmors-snake.6.gz" | grep '^\.TH ')
    want "$out" " $(date -u -d "@$SNAKE_RELEASE_EPOCH" +%F) " "the manual page's date, not the sources'"
}

check_deb() {  # check_deb DEB
    local deb=$1 arch package
    field() { dpkg-deb --field "$deb" "$1"; }
    arch=$(dpkg --print-architecture) package=$(field Package)
    want "$package" '^[a-z0-9][a-z0-9.+-]+$' "Package, no Debian package name"
    want "$(field Version)" "^${SNAKE_VERSION//./\\.}-[0-9]+\$" "Version, not project()'s and a revision"
    want "$(field Architecture)" "^$arch\$" Architecture
    want "${deb##*/}" "^${package}_$(field Version)_$arch\.deb\$" "the file's name"
    want "$(field Section)" '^games$' Section
    want "$(field Maintainer)" '^[^<>]+ <[^<>]+@[^<>]+>$' "Maintainer, not 'Name <address>'"
    want "$(field Description)" . Description
    want "$(field Depends)" 'libqt6widgets6.*libc6|libc6.*libqt6widgets6' Depends  # shlibdeps
    want "$(field Recommends)" '^qt6-translations-l10n, qt6-wayland$' \
        "Recommends, for Qt's own texts and native Wayland windows"
    dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb -x failed"
    check_tree "$scratch/root" games usr/share/doc/velmors-snake/{changelog.Debian.gz,copyright} \
        usr/share/lintian/overrides/velmors-snake
    "$SNAKE_WITH_X" "$(dirname "$0")/check_windows.sh" "$scratch/root"
    echo "${deb##*/} is fine, and its game opens its window"
}

case "${1:-}" in
    install)
        DESTDIR="$scratch/root" timeout 60 "$CMAKE_COMMAND" --install "$SNAKE_BUILD_DIR" \
            --prefix /usr >"$scratch/log" 2>&1 || fail "cmake --install failed:"$'\n'"$(cat "$scratch/log")"
        check_tree "$scratch/root" "$SNAKE_INSTALL_BINDIR"
        echo "installed files, desktop entry and metainfo are fine" ;;
    deb) check_deb "$2" ;;
    icons)
        "$CMAKE_COMMAND" -DRSVG_CONVERT="$RSVG_CONVERT" -DSVG="$SNAKE_ICON_SVG" \
            -DHICOLOR_DIR="$scratch/hicolor" -P "$SNAKE_RENDER_ICONS" || fail "rendering failed"
        out=$(diff -rq --exclude=scalable "$scratch/hicolor" "$SNAKE_SOURCE_HICOLOR") ||
            fail "data/icons/hicolor is not what the SVG renders to (the snake-icons target):" "$out"
        echo "the PNG icons match the SVG" ;;
    *) fail "usage: check_install.sh install|deb <.deb>|icons" ;;
esac
