#!/usr/bin/env bash
# Installs the Debian packages the project needs that are not installed yet; quiet when all are.
# Usage: scripts/install-deps.sh [build] [test] [bench] [package]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

# The build's are debian/control's Build-Depends, which Debian's own tools read: the build alone
# needs them under the nocheck profile (without those marked <!nocheck>), its suites all of them.
declare -A groups=(
    [build]=""
    [test]="xvfb xauth x11-utils xdotool openbox dbus clang-format sway wtype grim qt6-wayland \
        qt6-translations-l10n gnome-shell xdg-desktop-portal-gtk kwin-wayland kwin-style-breeze"
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
asked=" ${*:-build} " builddeps=false profile=()
[[ $asked == *" test "* ]] || profile=(-P nocheck)

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
# dpkg-checkbuilddeps (dpkg-dev, maybe not there yet) says what it lacks, build-essential too.
if [[ $asked == *" build "* || $asked == *" test "* ]]; then
    dpkg-checkbuilddeps "${profile[@]}" 2>/dev/null || builddeps=true
fi
[[ ${#missing[@]} -eq 0 && $builddeps == false ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
if [[ $builddeps == true ]]; then
    echo "install-deps: installing debian/control's Build-Depends ${profile[*]}"
    "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends "${profile[@]}" ./ >/dev/null
fi
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "install-deps: installing ${missing[*]}"
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
