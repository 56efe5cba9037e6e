#!/usr/bin/env bash
# End to end under Wine: the start-up launch of a host program. The stored
# companion path (with a blank in it) is run, quoted, so C:\Program.exe is
# never taken for it; without one, ORVEX.exe is opened in the folder that
# orvex3.ini in the Windows directory names; while the chat client's window
# exists nothing is started.
#   launch_e2e_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

# shellcheck source=tests/wine/e2e_lib.sh
source "$here/e2e_lib.sh"
e2e_begin launch
mkdir -p "$work/app"
drive_c=$WINEPREFIX/drive_c
quorla_dir="$drive_c/Program Files/Quorla Test"
orvex_dir="$drive_c/Orvex Test"
remove_hosts() {
    rm -rf "$quorla_dir" "$orvex_dir" "$drive_c/Program.exe" "$drive_c/Program.exe.launch.txt" \
        "$drive_c/windows/orvex3.ini"
}
trap 'remove_hosts; e2e_end' EXIT

line() { tr -d '\r' <"$1" | sed -n "s/^$2=//p"; }

mkdir -p "$quorla_dir" "$orvex_dir"
cp "$build/host_standin.exe" "$quorla_dir/Quorla.exe"
cp "$build/host_standin.exe" "$orvex_dir/ORVEX.exe"
# The trap of an unquoted command line: C:\Program.exe would run instead.
cp "$build/host_standin.exe" "$drive_c/Program.exe"
cp "$build/OrvexLog.exe" "$work/app/"

# run_app SETTINGS: starts OrvexLog with that settings file, waits until its
# start-up (which launches) is over, and ends it again.
run_app() {
    printf '%s' "$1" | sed 's/$/\r/' >"$work/app/OrvexLog.ini"
    start_app "$work/app"
    # The launch is part of start-up, which ends before the message loop
    # answers the exit command.
    stop_app
}

printf '[ORVEX]\r\nProductHDRoot=C:\\Orvex Test\r\n' >"$drive_c/windows/orvex3.ini"

# 1. A stored companion path is run as it is, quoted.
run_app "[Setting_GroupBox]
Create_CheckBox=1
QuorlaPath=C:\\Program Files\\Quorla Test\\Quorla.exe"
record="$quorla_dir/Quorla.exe.launch.txt"
wait_until 30 "the companion's launch record" test -s "$record" || fail "the companion was not started"
[[ $(line "$record" cmdline) == '"C:\Program Files\Quorla Test\Quorla.exe"' ]] ||
    fail "companion command line: $(line "$record" cmdline)"
[[ ! -e $drive_c/Program.exe.launch.txt ]] || fail "C:\\Program.exe was run"
[[ ! -e $orvex_dir/ORVEX.exe.launch.txt ]] || fail "the chat client was started as well"
ok "stored companion path started quoted: $(line "$record" cmdline)"
rm -f "$record"

# 2. Without one, ORVEX.exe in the folder of ProductHDRoot, working there.
run_app "[Setting_GroupBox]
Create_CheckBox=1"
record="$orvex_dir/ORVEX.exe.launch.txt"
wait_until 30 "the chat client's launch record" test -s "$record" || fail "the chat client was not started"
[[ $(line "$record" exe) == 'C:\Orvex Test\ORVEX.exe' ]] || fail "chat client exe: $(line "$record" exe)"
[[ $(line "$record" cwd) == 'C:\Orvex Test' ]] || fail "chat client working folder: $(line "$record" cwd)"
ok "chat client opened from ProductHDRoot in C:\\Orvex Test"
rm -f "$record"

# 3. The chat client runs already: nothing is started, whatever is stored.
start_standin client --client
run_app "[Setting_GroupBox]
Create_CheckBox=1
QuorlaPath=C:\\Program Files\\Quorla Test\\Quorla.exe"
run_app "[Setting_GroupBox]
Create_CheckBox=1"
[[ ! -e $quorla_dir/Quorla.exe.launch.txt && ! -e $orvex_dir/ORVEX.exe.launch.txt ]] ||
    fail "a host program was started while the chat client runs"
ok "nothing started while the chat client runs"
echo "launch end to end: all checks passed"
