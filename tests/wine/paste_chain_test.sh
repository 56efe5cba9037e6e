#!/usr/bin/env bash
# End to end on the real API under Wine: the stand-in shows a coloured
# companion log and a chat client window; paste_chain.exe copies each through
# the clipboard into its own rich-edit holder and streams it to a file.
# Checks: colours and Japanese text survive into the .rtf, no NUL at its end,
# the chat client's CP932 text arrives byte for byte, logs of 100 KB and more
# (longer than the rich edit's default limit of 64,000 characters) arrive
# whole, and a WM_GETTEXTLENGTH from another process gets the real, non-zero
# length. (Wine's paste does not enforce that default limit, so here the long
# log proves the size path, not the holder's EM_EXLIMITTEXT.)
#   paste_chain_test.sh BUILD_DIR
# lane: c
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

work=$build/e2e/paste_chain
rm -rf "$work"
mkdir -p "$work"
wine_session_join
standin=
cleanup() {
    [[ -n $standin ]] && stop_process "$standin"
    wine_session_leave
}
trap cleanup EXIT

show() { echo "--- $1"; cat "$1"; }
value() { tr -d '\r' <"$1" | sed -n "s/^$2=//p"; }
check() {
    if [[ $2 != "$3" ]]; then
        echo "FAIL: $1: got '$2', want '$3'" >&2
        exit 1
    fi
    echo "ok: $1 = $2"
}

# run_standin NAME ARGS...: the stand-in's expected texts go to NAME.rtf and
# NAME.txt, then it shows its windows until stopped.
run_standin() {
    local name=$1
    shift
    [[ -n $standin ]] && stop_process "$standin"
    wine_to "$work/$name.dump.log" "$build/host_standin.exe" "$@" --dump="$(win_path "$work/$name.rtf")"
    wine_to "$work/$name.dump.log" "$build/host_standin.exe" "$@" --dump="$(win_path "$work/$name.txt")"
    rm -f "$work/ready.txt"
    wine "$build/host_standin.exe" "$@" --timeout=240 --ready="$(win_path "$work/ready.txt")" \
        </dev/null >"$work/$name.standin.log" 2>&1 &
    standin=$!
    wait_until 60 "the stand-in's windows" test -s "$work/ready.txt" || {
        show "$work/$name.standin.log"
        exit 1
    }
    show "$work/ready.txt"
}

# capture KIND TITLE OUTPUT FORMAT: paste_chain.exe, its report in OUTPUT.out.
capture() {
    if ! wine_to "$3.out" "$build/paste_chain.exe" "$1" "$2" "$(win_path "$3")" "$4"; then
        show "$3.out"
        exit 1
    fi
    show "$3.out"
}

# 1. The sample log in both hosts.
run_standin sample --companion=100 --client
capture companion "LogDisplay (100%)" "$work/companion.rtf" rtf
length=$(value "$work/companion.rtf.out" length)
check "companion WM_GETTEXTLENGTH from another process" "$length" "$(value "$work/ready.txt" companion.100.length)"
[[ $length -gt 0 ]] || { echo "FAIL: zero length" >&2; exit 1; }
python3 "$here/check_capture.py" rtf "$work/sample.rtf" "$work/companion.rtf"

capture client "" "$work/client.txt" text
length=$(value "$work/client.txt.out" length)
check "chat client WM_GETTEXTLENGTH from another process" "$length" "$(value "$work/ready.txt" client.length)"
check "chat client text length" "$length" "$(stat -c %s "$work/sample.txt")"
python3 "$here/check_capture.py" text "$work/sample.txt" "$work/client.txt"

# 2. Longer logs: 100 KB of coloured Rich Text in a 7% window, and 160 KB of
# plain text (over 64,000 characters, the rich edit's default limit).
run_standin long --companion=7 --companion-text=gen:100 --client --client-text=gen:160
capture companion "LogDisplay (  7%)" "$work/long-companion.rtf" rtf
python3 "$here/check_capture.py" rtf "$work/long.rtf" "$work/long-companion.rtf"
capture client "" "$work/long-client.txt" text
python3 "$here/check_capture.py" text "$work/long.txt" "$work/long-client.txt"
python3 -c "import sys; n = len(open(sys.argv[1], 'rb').read().decode('cp932')); print('characters:', n); sys.exit(n <= 64000)" \
    "$work/long-client.txt"
echo "paste chain: all checks passed"
