#!/usr/bin/env bash
# End to end under Wine: the start-up launch of a host program. The stored
# companion path (with a blank in it) is run, quoted, so C:\Program.exe is
# never taken for it; without one, ORVEX.exe is opened in the folder that
# orvex3.ini in the Windows directory names; while the chat client's window
# exists nothing is started. A folder that is empty or relative, and a
# companion path that would close its quotes or is not absolute, start
# nothing: not the ORVEX.exe or quorla.exe of the program's folder, the
# current drive or folder, nor another program. A drive alone (C:) opens the
# ORVEX.exe in its root.
#   launch_e2e_test.sh BUILD_DIR
# lane: c
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
# Traps for unsafe values: an ORVEX.exe in the root of the current drive and
# in a folder under the current one, a quorla.exe in the program's folder, the
# current one and the drive's root, and another program.
cwd_dir="$drive_c/Launch Cwd"
other_dir=$drive_c/Other
remove_hosts() {
    rm -rf "$quorla_dir" "$orvex_dir" "$drive_c/Program.exe" "$drive_c/Program.exe.launch.txt" \
        "$drive_c/windows/orvex3.ini" "$cwd_dir" "$other_dir" "$drive_c"/ORVEX.exe* "$drive_c"/quorla.exe*
}
trap 'remove_hosts; e2e_end' EXIT

line() { tr -d '\r' <"$1" | sed -n "s/^$2=//p"; }

mkdir -p "$quorla_dir" "$orvex_dir"
cp "$build/host_standin.exe" "$quorla_dir/Quorla.exe"
cp "$build/host_standin.exe" "$orvex_dir/ORVEX.exe"
# The trap of an unquoted command line: C:\Program.exe would run instead.
cp "$build/host_standin.exe" "$drive_c/Program.exe"
mkdir -p "$cwd_dir/Rel" "$other_dir"
for trap_exe in "$drive_c/ORVEX.exe" "$cwd_dir/Rel/ORVEX.exe" "$cwd_dir/ORVEX.exe" "$other_dir/other.exe" \
    "$work/app/quorla.exe" "$cwd_dir/quorla.exe" "$drive_c/quorla.exe"; do
    cp "$build/host_standin.exe" "$trap_exe"
done
cp "$build/OrvexLog.exe" "$work/app/"

# run_app SETTINGS: starts OrvexLog with that settings file, working in
# C:\Launch Cwd, waits until its start-up (which launches) is over, and ends
# it again. 終了 any earlier would end start-up before its launch step,
# and a check that nothing was started would then prove nothing.
run_app() {
    printf '%s' "$1" | sed 's/$/\r/' >"$work/app/OrvexLog.ini"
    start_app "$work/app" "$cwd_dir"
    stop_app
}
# records: every launch record in the prefix. A program started by mistake
# writes its record a moment after OrvexLog started it; a sound launch
# afterwards, once recorded, shows that the ones before it would be too.
# launches RECORD: how many starts a record holds (each start adds one).
records() { find "$drive_c" -name '*.launch.txt' -printf '%P\n' | sort | paste -sd ' '; }
launches() { tr -d '\r' <"$1" | grep -c '^exe='; }

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
#    Then, with the chat client gone, the companion is.
start_standin client --client
run_app "[Setting_GroupBox]
Create_CheckBox=1
QuorlaPath=C:\\Program Files\\Quorla Test\\Quorla.exe"
run_app "[Setting_GroupBox]
Create_CheckBox=1"
stop_process "$standin"
standin=
run_app "[Setting_GroupBox]
Create_CheckBox=1
QuorlaPath=C:\\Program Files\\Quorla Test\\Quorla.exe"
record="$quorla_dir/Quorla.exe.launch.txt"
wait_until 30 "the companion's launch record" test -s "$record" || fail "the companion was not started after the chat client ended"
[[ $(records) == 'Program Files/Quorla Test/Quorla.exe.launch.txt' && $(launches "$record") == 1 ]] ||
    fail "a host program was started while the chat client runs: $(records), the companion $(launches "$record") times"
ok "nothing started while the chat client runs; the companion once it has ended"
rm -f "$record"

# 4. Values read from files start only what they name in a definite place.
for root in '' 'Rel'; do
    printf '[ORVEX]\r\nProductHDRoot=%s\r\n' "$root" >"$drive_c/windows/orvex3.ini"
    run_app "[Setting_GroupBox]
Create_CheckBox=1"
done
for companion in 'C:\Other\other.exe" C:\Program Files\Quorla Test\Quorla.exe' 'quorla.exe' '..\quorla.exe' \
    'C:quorla.exe' '\quorla.exe'; do
    run_app "[Setting_GroupBox]
Create_CheckBox=1
QuorlaPath=$companion"
done
# A sound launch afterwards: once it is recorded, the ones before it would be.
printf '[ORVEX]\r\nProductHDRoot=C:\\Orvex Test\\\r\n' >"$drive_c/windows/orvex3.ini"
run_app "[Setting_GroupBox]
Create_CheckBox=1"
record="$orvex_dir/ORVEX.exe.launch.txt"
wait_until 30 "the chat client's launch record" test -s "$record" || fail "the chat client was not started"
[[ $(records) == 'Orvex Test/ORVEX.exe.launch.txt' && $(launches "$record") == 1 && ! -e $work/app/quorla.exe.launch.txt ]] ||
    fail "started from an unsafe value: $(records) ($(launches "$record") starts) $(ls "$work/app" | paste -sd " ")"
[[ $(line "$record" cwd) == 'C:\Orvex Test' ]] || fail "chat client working folder: $(line "$record" cwd)"
ok "empty and relative ProductHDRoot and a quoted or relative QuorlaPath started nothing; a trailing \\ still works"
rm -f "$record"

# A drive alone: the ORVEX.exe in its root, working there, not in the
# current folder of the drive.
printf '[ORVEX]\r\nProductHDRoot=C:\r\n' >"$drive_c/windows/orvex3.ini"
run_app "[Setting_GroupBox]
Create_CheckBox=1"
record="$drive_c/ORVEX.exe.launch.txt"
wait_until 30 "the drive root's launch record" test -s "$record" || fail "ORVEX.exe in the drive root was not started"
[[ $(line "$record" exe) == 'C:\ORVEX.exe' && $(line "$record" cwd) == 'C:\' ]] ||
    fail "chat client at the drive root: $(line "$record" exe) in $(line "$record" cwd)"
ok "ProductHDRoot=C: opened C:\\ORVEX.exe working in C:\\"

# 5. Start-up asks for the chat client, as orvex3.ini names no folder. The
#    question alone has the program's taskbar entry. 終了 under it, or under
#    its open-file dialog, ends the program at once, writing neither
#    orvex3.ini nor a position over the stored ones, and starting nothing; a
#    save asked for meanwhile waits for the end of start-up, and then shows
#    the notice where the user left it. Later, the notice over the open-file
#    dialog takes a real click while the dialog waits under it.
find "$drive_c" -name '*.launch.txt' -delete
printf '[ORVEX]\r\nOther=1\r\n' >"$drive_c/windows/orvex3.ini"
chat_ini=$(md5sum <"$drive_c/windows/orvex3.ini")
start_standin sample --companion=100
logs=$work/logs
mkdir -p "$logs"
settings=$work/app/OrvexLog.ini
write_settings "$work/app" <<INI
[Setting_GroupBox]
Create_CheckBox=1
Save_RadioButton=1
OrvexLogPath=$(win_path "$logs")
[FormPosition]
MainTop=40
MainLeft=50
DialogTop=850
DialogLeft=1000
INI
positions() { echo "$(ini_value "$settings" MainTop),$(ini_value "$settings" MainLeft),$(ini_value "$settings" DialogTop),$(ini_value "$settings" DialogLeft)"; }
# exit_under WHAT: 終了 from the tray; the process must be gone at once with
# the files as they were.
exit_under() {
    local started=$SECONDS
    drive post TMainForm 0x111 202 0
    wait_until 10 "OrvexLog to end under $1" _gone "$app" || fail "OrvexLog lived on after 終了 under $1"
    app=
    [[ $(md5sum <"$drive_c/windows/orvex3.ini") == "$chat_ini" ]] || fail "orvex3.ini written: $(cat "$drive_c/windows/orvex3.ini")"
    [[ $(positions) == 40,50,850,1000 ]] || fail "stored positions changed: $(tr -d '\r' <"$settings")"
    [[ -z $(records) ]] || fail "started: $(records)"
    [[ -z $(find "$logs" -type f) ]] || fail "a save ran after 終了: $(ls "$logs")"
    ok "終了 under $1 ended the program within $((SECONDS - started))s; orvex3.ini and the positions kept"
}

start_app_in_startup "$work/app" "$cwd_dir"
props_drive wait-dialog warning 30 || fail "no question at start-up"
props_drive wait-taskbar 1 10 || fail "the question has no taskbar entry"
drive tray-event TMainForm 0x203
exit_under "the start-up question"

start_app_in_startup "$work/app" "$cwd_dir"
props_drive answer-box warning specify-orvex ok 30 || fail "no question at start-up"
props_drive wait-dialog orvex-dialog 30 || fail "no open-file dialog at start-up"
exit_under "its open-file dialog"

start_app_in_startup "$work/app" "$cwd_dir"
props_drive wait-dialog warning 30 || fail "no question at start-up"
drive tray-event TMainForm 0x203
props_drive answer-box warning specify-orvex ok 30 || fail "the question did not take its answer"
props_drive cancel-dialog orvex-dialog 30 || fail "no open-file dialog to cancel"
drive wait-visible TDialogForm 60 || fail "no notice for the save asked for during start-up"
[[ $(drive rect TDialogForm | tr -d '\r') == '1000 850 '* ]] || fail "the notice opened at $(drive rect TDialogForm)"
# Moved before its OK, it stores a place the file did not hold yet, so the
# wait below ends with that write and not before it.
drive move TDialogForm 980 830 || fail "the notice could not be moved"
answer_notice
notice_stored() { [[ $(positions) == 40,50,830,980 ]]; }
wait_until 10 "the notice's position" notice_stored || fail "the notice stored $(positions)"
ok "a save asked for under the question ran after start-up; its notice opened where the user left it and stored where it was"
# The three start-ups above started nothing (two ended by 終了, one with
# its dialog cancelled), however late a record of theirs would have come.
[[ -z $(records) ]] || fail "started: $(records)"

props_drive show 30 || fail "the properties window did not show"
props_drive page 2 10 || fail "page 3"
props_drive click Create_CheckBox || fail "the start-up option"
props_drive answer-box warning specify-orvex ok 30 || fail "no question for the option"
props_drive wait-dialog orvex-dialog 30 || fail "no open-file dialog for the option"
notice_over orvex-dialog
props_drive cancel-dialog orvex-dialog 30 || fail "the dialog did not take its cancel"
ok "the notice over the open-file dialog answered by a real click, the dialog usable again"
stop_app
echo "launch end to end: all checks passed"
