#!/usr/bin/env bash
# Soak of the real OrvexLog.exe under Wine: ROUNDS saves started by tray
# double clicks and auto-save ticks, each notice answered, every tenth with a
# second save nested inside its open notice (so ROUNDS + ROUNDS / 10 logs).
# Prints the program's USER and GDI objects and private memory after the
# first 10 rounds and at the end, fails when they grew past a small margin,
# and checks that every log was written, numbered without a gap, and whole.
#   tests/wine/soak.sh BUILD_DIR [ROUNDS]     (ROUNDS: default 1000)
# Not a CTest test (minutes long); soak_short_test.sh runs 50 rounds.
# Under Wine, GetGuiResources is a stub: USER objects are counted as the
# process's windows, GDI objects from its GDI handle table (ui_driver's
# process-stats).
# It runs in a Wine session of its own whose X11 driver does not treat our
# windows as managed: with no window manager on the virtual display, Wine
# otherwise waits 2 s for one at every hide of the notice (1,000 notices: more
# than half an hour of waiting that Windows never does).
set -euo pipefail
build=$(realpath "$1")
rounds=${2:-1000}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"
# shellcheck source=tests/wine/e2e_lib.sh
source "$here/e2e_lib.sh"
# shellcheck source=tests/wine/faults_lib.sh
source "$here/faults_lib.sh"

((rounds >= 20)) || { echo "usage: $0 BUILD_DIR [ROUNDS >= 20]" >&2; exit 2; }
unset WINE_SESSION_DIR
faults_begin "soak-$rounds"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >>"$work/session.log" 2>&1
# Growth allowed from round 10 to the end: no window, a few GDI objects
# (caches), and private memory of 1 MB plus 8 KB a round. Wine's own rich
# edit grows by 2 to 5 KB at every paste from the clipboard (measured in a
# bare loop of create, WM_PASTE, destroy, without any of our code), and the
# program pastes once a save.
max_gdi_growth=8
max_private_growth_kb=$((1024 + 8 * rounds))

# The stand-in of e2e_lib ends itself after 280 s; a soak runs longer.
wine_to "$work/sample.dump.log" "$build/host_standin.exe" --companion=100 --dump="$(win_path "$work/sample.rtf")"
wine "$build/host_standin.exe" --companion=100 --timeout=7200 --ready="$(win_path "$work/ready.txt")" \
    </dev/null >"$work/standin.log" 2>&1 &
standin=$!
wait_until 60 "the stand-in's windows" test -s "$work/ready.txt" || fail "the stand-in did not come up"
logs=$work/logs
mkdir -p "$logs"
new_app_dir app <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
Save_RadioButton=1
INI
start_app "$appdir"

soak() {
    wine "$build/soak_driver.exe" "$(win_path "$logs")" "$1" "$2" </dev/null >>"$work/soak.log" 2>&1 ||
        fail "$(tail -n 1 "$work/soak.log" | iconv -c -f CP932 -t UTF-8)"
}
# stats LABEL: one line of ui_driver process-stats, kept in $work/LABEL.stats.
stats() {
    wine "$build/ui_driver.exe" process-stats TMainForm </dev/null >"$work/$1.stats" 2>>"$work/driver.log" ||
        fail "process-stats failed"
    tr -d '\r' <"$work/$1.stats"
}
field() { sed -n "s/.*\\b$2=\\([^ ]*\\).*/\\1/p" "$work/$1.stats" | tr -d '\r'; }

started=$SECONDS
soak 1 10
echo "after 10 rounds:    $(stats first)"
soak 11 $((rounds - 10))
echo "after $rounds rounds: $(stats last)"
elapsed=$((SECONDS - started))

# Every log: numbers 1 .. N without a gap, each the whole sample.
expected=$((rounds + rounds / 10))
count=$(find "$logs" -maxdepth 1 -type f -name '*.rtf' | wc -l)
((count == expected)) || fail "$count logs, expected $expected"
day=$(basename "$(logs_matching "$logs" '*_1.rtf')" _1.rtf)
for ((n = 1; n <= expected; n++)); do
    [[ -f $logs/${day}_$n.rtf ]] || fail "log number $n is missing"
done
python3 "$here/check_capture.py" rtf "$work/sample.rtf" "$logs/${day}_1.rtf" >/dev/null ||
    fail "the first log is not the whole sample"
reference=$(md5sum <"$logs/${day}_1.rtf")
different=0
for f in "$logs"/*.rtf; do [[ $(md5sum <"$f") == "$reference" ]] || different=$((different + 1)); done
((different == 0)) || fail "$different logs differ from the first (incomplete?)"
no_temporaries "$logs" || fail "temporary files were left behind"
ok "$expected logs ($rounds notices answered, $((rounds / 10)) saves nested in them), numbered 1..$expected, each $(stat -c %s "$logs/${day}_1.rtf") bytes and identical, in ${elapsed}s"

windows_growth=$(($(field last windows) - $(field first windows)))
gdi_growth=$(($(field last gdi) - $(field first gdi)))
private_growth_kb=$((($(field last private) - $(field first private)) / 1024))
echo "growth from round 10 to $rounds: windows $windows_growth, GDI objects $gdi_growth, private memory ${private_growth_kb} KB"
((windows_growth <= 0)) || fail "the program's windows grew by $windows_growth"
((gdi_growth <= max_gdi_growth)) || fail "GDI objects grew by $gdi_growth"
((private_growth_kb <= max_private_growth_kb)) || fail "private memory grew by ${private_growth_kb} KB"
still_running || fail "the program ended"
stop_app
echo "soak of $rounds rounds: all checks passed"
