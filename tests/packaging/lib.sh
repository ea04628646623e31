# What the packaging checks share (sourced): failing with a reason, wanting a value, a scratch
# folder removed on the way out, and the desktop entry's keys.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
want() { [[ $1 =~ $2 ]] || fail "$3: '$1'"; }  # want VALUE REGEX WHAT
# quiet REGEX COMMAND...: fails when COMMAND fails, or says anything that matches REGEX (but not
# $known, a line it is known to say).
known='^$'
quiet() {
    local o; o=$("${@:2}" 2>&1) && ! grep -E "$1" <<<"$o" | grep -qvE "$known" || fail "${*:2}:"$'\n'"$o"
}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/snake-packaging.XXXXXX")
game=  # the game started under X, ended on the way out
trap '[[ -z $game ]] || kill "$game" 2>/dev/null; rm -rf "$scratch"' EXIT
id=$SNAKE_APP_ID
desktop_key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1" | head -n 1; }  # FILE KEY

