#!/usr/bin/env bash
# Installs the Debian packages the project needs that are not installed yet; quiet when all are.
# Usage: scripts/install-deps.sh [build] [test] [bench] [package]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

# The build's are debian/control's Build-Depends, which apt-get build-dep reads too: the first of
# each set of alternatives, without versions or architectures; `build_depends nocheck` gives those
# only the build's own tests need (profile <!nocheck>), the others the rest.
build_depends() {
    sed -n '/^Build-Depends:/,/^[^ ]/{s/^Build-Depends://;/^[^ ]/!p}' debian/control | tr ',' '\n' |
        if [[ ${1:-} == nocheck ]]; then grep '<!nocheck>'; else grep -v '<!nocheck>'; fi |
        sed -E 's/\|.*//; s/[(<[].*//; s/:any//; s/\s//g; /^$/d; s/^debhelper-compat$/debhelper/'
}

declare -A groups=(
    [build]="build-essential $(build_depends | xargs)"
    [test]="$(build_depends nocheck | xargs) xvfb xauth x11-utils xdotool openbox dbus clang-format sway wtype \
        grim qt6-wayland qt6-translations-l10n gnome-shell kwin-wayland kwin-style-breeze"
    [bench]="libbenchmark-dev xvfb openbox xdotool util-linux"
    [package]="desktop-file-utils appstream dpkg-dev file librsvg2-bin x11-utils lintian \
        devscripts groff-base man-db piuparts autopkgtest reprotest debootstrap faketime \
        disorderfs diffoscope-minimal gdb xvfb xauth"
)

wanted=()
for group in "${@:-build}"; do
    if [[ -z "${groups[$group]+set}" ]]; then
        echo "install-deps: unknown group '$group' (build, test, bench, package)" >&2
        exit 2
    fi
    read -r -a names <<<"${groups[$group]}"
    wanted+=("${names[@]}")
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
