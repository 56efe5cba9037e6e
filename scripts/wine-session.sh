#!/usr/bin/env bash
# Starts or stops the Wine session of a test run (see wine-env.sh):
#   scripts/wine-session.sh start|stop DIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/wine-env.sh"

case ${1:-} in
start)
    started=$SECONDS
    wine_session_start "$2"
    echo "Wine session ready in $2 (display $(<"$2/display"), $((SECONDS - started))s)"
    ;;
stop)
    wine_session_stop "$2"
    echo "Wine session stopped"
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
