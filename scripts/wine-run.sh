#!/usr/bin/env bash
# Runs a Windows program under Wine in a test session; the emulator CTest puts
# in front of every Windows executable of the cross build.
#   scripts/wine-run.sh [--session DIR] PROGRAM.exe [ARGS...]
# The session (see wine-env.sh) is normally started by the test run's
# fixture; run by hand without one, it starts a private session for this one
# program and stops it afterwards.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/wine-env.sh"

session=${WINE_SESSION_DIR:-}
if [[ ${1:-} == --session ]]; then
    session=$2
    shift 2
fi
if [[ $# -lt 1 ]]; then
    echo "usage: $0 [--session DIR] PROGRAM.exe [ARGS...]" >&2
    exit 2
fi

WINE_SESSION_DIR=$session
wine_session_join
trap wine_session_leave EXIT

out=$(mktemp "${TMPDIR:-/tmp}/wine-run-out.XXXXXX")
status=0
wine_to "$out" "$@" || status=$?
cat "$out"
rm -f "$out"
exit "$status"
