#!/usr/bin/env bash
# A damaged settings file, with the real OrvexLog.exe under Wine: a folder in
# its place, a read-only file, and binary garbage. Reading gives the
# defaults; a write that fails names the file ("… に書き込めません."); exit
# still ends the program then; garbage never brings it down. A chat client
# INI that start-up cannot write is reported and start-up still completes.
#   faults_settings_test.sh BUILD_DIR
# lane: c
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"
# shellcheck source=tests/wine/e2e_lib.sh
source "$here/e2e_lib.sh"
# shellcheck source=tests/wine/faults_lib.sh
source "$here/faults_lib.sh"

faults_begin faults-settings

# exit_despite_write_error: "終了(&X)" cannot store the window position; the
# general error display names the settings file, and after OK the program
# ends all the same.
exit_despite_write_error() {
    exit_command
    message=$(error_box 30) || fail "no message when the settings could not be written on exit"
    [[ $message == "$(win_path "$appdir/OrvexLog.ini") に書き込めません." ]] || fail "message: $message"
    answer_error_box
    wait_until 30 "the program to end after the message" _gone "$app" || fail "the program did not end"
    app=
}

# default_save: with no readable settings the log goes to the program folder
# under the default name, and the notice (on by default) reports it.
default_save() {
    save_command
    drive wait-visible TDialogForm 60 || fail "no notice after a save with default settings"
    wait_until 10 "the log in the program folder" has_log "$appdir" '20[0-9][0-9][01][0-9][0-3][0-9]_1.rtf'
    python3 "$here/check_capture.py" rtf "$work/sample.rtf" "$(logs_matching "$appdir" '*_1.rtf')"
    drive post TDialogForm 0x111 1 0
}

start_standin sample --companion=100

# 1. A folder where the settings file belongs.
new_app_dir folder </dev/null
rm "$appdir/OrvexLog.ini"
mkdir "$appdir/OrvexLog.ini"
touch "$appdir/OrvexLog.ini/kept.txt"
start_app "$appdir"
default_save
# The notice's OK stores its position: that write fails too, and is reported.
message=$(error_box 30) || fail "no message when the notice could not store its position"
[[ $message == "$(win_path "$appdir/OrvexLog.ini") に書き込めません." ]] || fail "message: $message"
answer_error_box
drive wait-hidden TDialogForm 10 || fail "the notice stayed"
still_running || fail "the program ended after the failed write"
exit_despite_write_error
[[ -d $appdir/OrvexLog.ini && $(ls "$appdir/OrvexLog.ini") == kept.txt ]] || fail "the folder was changed"
ok "settings file is a folder: defaults read, writes reported by name, exit still ends the program"

# 2. A read-only settings file: read as usual, never changed.
logs=$work/logs
mkdir -p "$logs"
new_app_dir readonly <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
Dialog_CheckBox=0
INI
if read_only "$appdir/OrvexLog.ini"; then
    sum_before=$(md5sum <"$appdir/OrvexLog.ini")
    start_app "$appdir"
    save_command
    wait_until 60 "the log in the configured folder" has_log "$logs" '*_1.rtf'
    exit_despite_write_error
    [[ $(md5sum <"$appdir/OrvexLog.ini") == "$sum_before" ]] || fail "the read-only settings file changed"
    undo_read_only "$appdir/OrvexLog.ini"
    ok "read-only settings file: read as usual, exit reports it and still ends the program"
else
    skip "read-only settings file: cannot mount here ($(tail -n 1 "$work/mount.log" 2>/dev/null))"
fi

# 3. Garbage. Random bytes alone read as no settings at all.
new_app_dir noise </dev/null
python3 -c '
import random, sys
r = random.Random(8)
sys.stdout.buffer.write(bytes(r.randrange(256) for _ in range(65536)))' >"$appdir/OrvexLog.ini"
start_app "$appdir"
default_save
drive wait-hidden TDialogForm 10 || fail "the notice stayed"
show_properties
drive wait-visible TMainForm 30 || fail "the properties window did not open"
stop_app
ok "random bytes: defaults, a save, the properties window, and a clean exit"

# Hostile values under the real keys: a save folder of random bytes, a lone
# lead byte, NUL, huge numbers, a line of 100 KB, CR without LF.
new_app_dir hostile </dev/null
python3 -c '
import random, sys
r = random.Random(8)
def noise(n): return bytes(r.randrange(256) for _ in range(n))
line = lambda b: b + b"\r\n"
out = noise(4096) + b"\r\n"
out += line(b"[Setting_GroupBox]") + line(b"OrvexLogPath=" + noise(300).replace(b"\r", b"").replace(b"\n", b""))
out += line(b"Dialog_CheckBox=0")
out += line(b"[FileName_GroupBox]") + line(b"TopFileName_Edit=ab\x81") + line(b"Number_CheckBox=\x00\x01")
out += line(b"Year_CheckBox=99999999999999999999")
out += b"[AutoSave_GroupBox]\rAutoSave_TrackBar=-2147483649\rAutoSave_CheckBox=\x81\r\n"
out += line(b"[FormPosition]") + line(b"MainTop=" + b"9" * 100000) + line(b"MainLeft=-99999999")
out += line(b"[Setting_GroupBox]") + line(b"A" * 100000 + b"=" + noise(1000))
out += b"\x00" * 1000 + noise(4096)
sys.stdout.buffer.write(out)' >"$appdir/OrvexLog.ini"
start_app "$appdir"
save_command
# The save folder is noise: the file cannot be created there, and says so.
message=$(error_box 60) || fail "no message for the save folder of noise"
[[ $message == "ファイル "*" を作成できません." ]] || fail "message: $message"
answer_error_box
show_properties
drive wait-visible TMainForm 30 || fail "the properties window did not open"
still_running || fail "the program ended on hostile settings"
stop_app
ok "hostile values: the save reports the unusable folder, the properties window opens, clean exit"

# 4. Start-up with the launch option on and orvex3.ini naming no chat client
#    folder, not writable: storing the chosen folder fails and is reported,
#    and start-up still loads every setting and launches the companion.
windir=$WINEPREFIX/drive_c/windows
keep_windows_file orvex3.ini
printf '[ORVEX]\r\nOther=1\r\n' >"$windir/orvex3.ini"
mkdir -p "$work/Quorla" "$work/Orvex3" "$work/logs4"
cp "$build/host_standin.exe" "$work/Quorla/Quorla.exe"
new_app_dir launch <<INI
[Setting_GroupBox]
Create_CheckBox=1
QuorlaPath=$(win_path "$work/Quorla/Quorla.exe")
Dialog_CheckBox=0
OrvexLogPath=$(win_path "$work/logs4")
[AutoSave_GroupBox]
AutoSave_TrackBar=15
INI
if read_only "$windir/orvex3.ini"; then
    start_app_in_startup "$appdir"
    props answer-box warning specify-orvex ok 30 || fail "no question for the chat client at start-up"
    props file-dialog orvex-dialog "$(win_path "$work/Orvex3")\\ORVEX.EXE" 30 || fail "no open-file dialog"
    message=$(error_box 30) || fail "no message when orvex3.ini could not be written"
    [[ $message == *'\orvex3.ini に書き込めません.' ]] || fail "message: $message"
    answer_error_box
    wait_until 30 "the companion's launch" test -s "$work/Quorla/Quorla.exe.launch.txt" ||
        fail "start-up stopped before the launch"
    startup_done
    show_properties
    props wait-checked Dialog_CheckBox 0 30 || fail "Dialog_CheckBox not loaded"
    props wait-minutes AutoSave_Label 15 10 || fail "interval not loaded"
    [[ $(props text SaveFolder_Edit) == *logs4 ]] || fail "save folder: $(props text SaveFolder_Edit)"
    props wait-enabled Save_Button 0 10 || fail "start-up left changes pending"
    stop_app
    undo_read_only "$windir/orvex3.ini"
    ok "read-only orvex3.ini at start-up: $message; every setting loaded, companion launched"
else
    skip "read-only orvex3.ini: cannot mount here ($(tail -n 1 "$work/mount.log" 2>/dev/null))"
fi

echo "settings faults: all checks passed"
