#!/usr/bin/env bash
# Saves a PNG of a Windows program's window (or of the whole screen) as it
# shows under Wine on the virtual display.
#   scripts/screenshot.sh [--screen] [--timeout SEC] TITLE OUTPUT.png [PROGRAM.exe [ARGS...]]
# With PROGRAM, starts it, waits for a window titled exactly TITLE, saves the
# picture and ends the program again. Without, photographs a window of a
# program that already runs in the session (WINE_SESSION_DIR). With no
# session running, a private one is started for the shot.
#   --screen   the whole screen instead of the one window
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/wine-env.sh"

whole_screen=
timeout=60
while [[ ${1:-} == --* ]]; do
    case $1 in
    --screen) whole_screen=1; shift ;;
    --timeout) timeout=$2; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done
if [[ $# -lt 2 ]]; then
    sed -n '2,11p' "$0" >&2
    exit 2
fi
title=$1
output=$(realpath -m "$2")
shift 2

wine_session_join
program=
frames=$(mktemp -d "${TMPDIR:-/tmp}/screenshot.XXXXXX")
cleanup() {
    [[ -n $program ]] && stop_process "$program"
    rm -rf "$frames"
    wine_session_leave
}
trap cleanup EXIT

if [[ $# -gt 0 ]]; then
    wine "$@" </dev/null >"$frames/program.log" 2>&1 &
    program=$!
fi

# Wine names each top-level X window after the Windows title (UTF-8).
pattern="^$(printf '%s' "$title" | sed 's/[][\.*^$(){}?+|/]/\\&/g')\$"
window=
find_window() {
    window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1)
    [[ -n $window ]]
}
if ! wait_until "$timeout" "a window titled '$title'" find_window; then
    [[ -s $frames/program.log ]] && cat "$frames/program.log" >&2
    exit 1
fi
target=$window
[[ -n $whole_screen ]] && target=root

# The window is mapped before it is painted: take frames until two in a row
# are the same.
n=0
same_as_last() {
    n=$((n + 1))
    import -silent -window "$target" -strip "png:$frames/$n.png" 2>/dev/null || return 1
    ((n > 1)) && cmp -s "$frames/$((n - 1)).png" "$frames/$n.png"
}
wait_until "$timeout" "the window's picture to settle" same_as_last
mkdir -p "$(dirname "$output")"
cp "$frames/$n.png" "$output"
echo "$output"
