#!/usr/bin/env bash
# CI: the sources built as another distribution's packager, or a player, builds them: the upstream
# tarball (made as the README makes it, without debian/), generic tools only, no dpkg tool and no
# /etc/os-release in sight, CMake's default generator (Unix Makefiles). First GCC with the tests
# on, by the README's "From source, on any distribution" block as it stands; then Clang with the
# tests off and a packager's flags, staged with DESTDIR: the files, the flags in the program, and
# the dates of the metainfo and the manual page, which must be the package's (debian/changelog's).
# It takes the machine's tools away for good, so it runs only in a throwaway root:
#   scripts/in-debian-root.sh bookworm scripts/ci-from-source.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ $PWD != /project || ! -e /apt.log ]]; then
    echo "ci-from-source: runs only in a root made by scripts/in-debian-root.sh" >&2
    exit 2
fi
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "=== $* ($SECONDS s)"; }
export CMAKE_BUILD_PARALLEL_LEVEL=2 CTEST_PARALLEL_LEVEL=2 DEBIAN_FRONTEND=noninteractive

step "installing generic tools (no dpkg-dev)"
apt-get install -y -qq --no-install-recommends make cmake g++ clang qt6-base-dev qt6-tools-dev \
    qt6-l10n-tools libgl-dev gettext appstream desktop-file-utils file fonts-noto-core \
    fonts-noto-cjk unicode-cldr-core >/tmp/apt-tools.log 2>&1 || { tail -n 20 /tmp/apt-tools.log; exit 1; }

# The package's date, read from debian/changelog's newest entry without Debian's tools.
package_date=$(date -u -d "$(sed -n 's/^ -- .*>  //p' debian/changelog | head -n 1)" +%F)
src=/tmp/velmors-snake
git archive --prefix=velmors-snake/ HEAD ':!debian' | tar -C /tmp -xf -

step "Debian's tools and os-release out of sight"
mkdir -p /root/aside
mv /usr/bin/dpkg* /usr/sbin/dpkg* /root/aside/ 2>/dev/null || true
mv /etc/os-release /root/aside/etc-os-release
mv /usr/lib/os-release /root/aside/usr-lib-os-release
for tool in dpkg dpkg-parsechangelog dpkg-architecture ninja; do
    ! command -v "$tool" >/dev/null || fail "$tool is still here"
done
[[ ! -e $src/debian && ! -e $src/.git ]] || fail "the tarball has debian/ or .git"

step "GCC, tests on: the README's block"
readme_block=$(sed -n '/^### From source, on any distribution/,/^##/p' README.md |
    sed -n '/^```sh$/,/^```$/{/^```/d;p}')
[[ -n $readme_block ]] || fail "README.md has no 'From source, on any distribution' block"
# Warnings are errors here; the block itself leaves the flags to whoever builds.
(cd "$src" && CXXFLAGS=-Werror bash -euxo pipefail -c "$readme_block")
grep -q '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles$' "$src/build/CMakeCache.txt" ||
    fail "the README's build did not use Unix Makefiles"
for suite in tst_playfield tst_rules tst_soak tst_window translations packaging_install; do
    grep -q "^$suite\$" <(ctest --test-dir "$src/build" -N | sed -n 's/^ *Test *#[0-9]*: //p') ||
        fail "$suite was not among the README's tests"
done

step "Clang, tests off, a packager's flags, staged under /usr"
flags="-O2 -g -fstack-protector-strong -D_FORTIFY_SOURCE=2 -DSNAKE_PACKAGER_FLAG"
CXX=clang++ CXXFLAGS="$flags" LDFLAGS="-Wl,-z,relro -Wl,-z,now" cmake -S "$src" -B /tmp/clang \
    -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/tmp/clang-configure.log ||
    { cat /tmp/clang-configure.log; exit 1; }
cmake --build /tmp/clang
commands=$(cat /tmp/clang/compile_commands.json)
[[ $commands == *-DSNAKE_PACKAGER_FLAG* ]] || fail "CXXFLAGS not used"
[[ $commands != *-O3* && $commands != *-DNDEBUG* ]] || fail "flags of a build type added"
stage=/tmp/stage
DESTDIR=$stage cmake --install /tmp/clang
game=$stage/usr/bin/velmors-snake
[[ $(readelf -d "$game") == *BIND_NOW* ]] || fail "LDFLAGS not used (no BIND_NOW)"
[[ $(readelf -p .comment "$game") == *clang* ]] || fail "not built by Clang"
id=io.github.velmor.Snake
expected=(usr/bin/velmors-snake "usr/share/applications/$id.desktop"
    "usr/share/icons/hicolor/"{48x48,128x128}"/apps/$id.png"
    "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/metainfo/$id.metainfo.xml"
    usr/share/man/man6/velmors-snake.6.gz)
diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) \
    <(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the staged files differ from the expected ones"
grep -qx 'Exec=/usr/bin/velmors-snake' "$stage/usr/share/applications/$id.desktop" ||
    fail "the desktop entry does not start /usr/bin/velmors-snake"
grep -q "<release version=\"[0-9.]*\" date=\"$package_date\"" \
    "$stage/usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo is not of $package_date"
man_page=$(gzip -dc "$stage/usr/share/man/man6/velmors-snake.6.gz")
grep -q "^\.TH .* $package_date " <<<"$man_page" || fail "the manual page is not of $package_date"
for build in "$src/build" /tmp/clang; do
    cmp "$build/data/$id.metainfo.xml" "$stage/usr/share/metainfo/$id.metainfo.xml" ||
        fail "the metainfo differs between the two builds"
done
step "done: both builds, dated $package_date as the package is"
