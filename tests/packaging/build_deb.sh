#!/usr/bin/env bash
# Builds the Debian package as the README does, from a copy of the working tree without build/,
# .git and what git ignores (its tarball stands for git archive's), into an empty OUT: the .deb,
# its -dbgsym package, the source package and the .changes, and both binary packages unpacked in
# OUT/root for the checks that follow.   build_deb.sh SOURCE_DIR OUT
set -euo pipefail
src=$1 out=$2
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
name=velmors-snake-${version%-*}
rm -rf "$out" && mkdir -p "$out/$name"
tar -C "$src" --exclude=./build --exclude-vcs --exclude-vcs-ignores -cf - . | tar -C "$out/$name" -xf -
tar -C "$out" --exclude="$name/debian" -czf "$out/velmors-snake_${version%-*}.orig.tar.gz" "$name"
(cd "$out/$name" && DEB_BUILD_OPTIONS="parallel=2 ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage -us -uc) >"$out/build.log" 2>&1 ||
    { tail -n 40 "$out/build.log"; echo "FAIL: dpkg-buildpackage, log in $out/build.log"; exit 1; }
# debian/rules runs the suites unless nocheck is asked for.
[[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]] || grep -q '^100% tests passed' "$out/build.log" ||
    { echo "FAIL: the build ran none of its suites, log in $out/build.log"; exit 1; }
for deb in "$out"/*.deb; do
    dpkg-deb -x "$deb" "$out/root"
done
cd "$out" && ls -1 -- *.changes *.dsc *.tar.* *.deb
