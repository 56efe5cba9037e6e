#!/usr/bin/env bash
# The stand-in as a launched host executable: a copy named ORVEX.exe records
# its executable, command line and working folder and ends, whatever
# arguments it is given; Quorla.exe with --companion records and then shows
# the companion's window. The start-up launch tests rely on both.
#   standin_launch_test.sh BUILD_DIR
# lane: c
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

work=$build/e2e/standin_launch
rm -rf "$work"
mkdir -p "$work/hosts" "$work/cwd"
cp "$build/host_standin.exe" "$work/hosts/ORVEX.exe"
cp "$build/host_standin.exe" "$work/hosts/Quorla.exe"
wine_session_join
quorla=
cleanup() {
    [[ -n $quorla ]] && stop_process "$quorla"
    wine_session_leave
}
trap cleanup EXIT

expect_line() {
    if ! tr -d '\r' <"$1" | grep -qxF -- "$2"; then
        echo "FAIL: $1 has no line '$2':" >&2
        cat "$1" >&2
        exit 1
    fi
    echo "ok: $2"
}

# Beside the executable by default; arguments that are not the stand-in's
# are recorded, not refused.
(cd "$work/cwd" && wine_to "$work/orvex.out" "$work/hosts/ORVEX.exe" /x "a b")
record=$work/hosts/ORVEX.exe.launch.txt
expect_line "$record" "exe=$(win_path "$work/hosts/ORVEX.exe")"
expect_line "$record" "cwd=$(win_path "$work/cwd")"
tr -d '\r' <"$record" | grep -q '^cmdline=.*ORVEX.exe.* /x "a b"$' || { echo "FAIL: command line" >&2; cat "$record" >&2; exit 1; }
echo "ok: command line"

# Through the environment variable, then windows on request.
HOST_STANDIN_RECORD=$(win_path "$work/quorla.txt") wine "$work/hosts/Quorla.exe" --companion=100 \
    --timeout=120 --ready="$(win_path "$work/ready.txt")" </dev/null >"$work/quorla.out" 2>&1 &
quorla=$!
wait_until 60 "Quorla.exe's window" test -s "$work/ready.txt"
expect_line "$work/quorla.txt" "exe=$(win_path "$work/hosts/Quorla.exe")"
expect_line "$work/ready.txt" "companion.100.title=LogDisplay (100%)"
echo "stand-in launch: all checks passed"
