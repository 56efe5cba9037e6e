#!/usr/bin/env bash
# End to end with the real OrvexLog.exe and the host stand-in under Wine:
# saves started by the tray (double click) and by an auto-save tick, the
# single instance, the error boxes, the close timer, exit, and the tray icon
# coming back when the notification area is re-created.
#   save_e2e_test.sh BUILD_DIR
# lane: c
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

# shellcheck source=tests/wine/e2e_lib.sh
source "$here/e2e_lib.sh"
e2e_begin save

utf8() { iconv -f CP932 -t UTF-8 "$1"; }
auto_save_tick() { drive post TMainForm 0x113 1 0; }

# 1. Companion log, coloured Japanese RTF, by double click; a second copy; an
#    auto-save tick; the clipboard; exit without the window ever shown.
start_standin sample --companion=57
logs=$work/logs1
saving_app one "$logs"
drive visible TMainForm && fail "the properties window is visible after start"
drive visible TDialogForm && fail "the notice is visible after start"
ok "no window visible after start"

wine "$appdir/OrvexLog.exe" </dev/null >"$work/second.log" 2>&1 && second=0 || second=$?
[[ $second == 0 ]] || fail "second copy exit code $second"
kill -0 "$app" 2>/dev/null || fail "the first copy ended"
drive wait-window TMainForm - 1 || fail "the first copy's window is gone"
ok "a second copy ends with 0 and the first runs on"

echo "a user's file" >"$logs/~OL007.tmp"  # a name the program never makes
tray_double_click
wait_until 60 "the first log" has_log "$logs" '*_1.rtf'
first=$(logs_matching "$logs" '*_1.rtf')
wait_until 10 "the first log to be complete" python3 "$here/check_capture.py" rtf "$work/sample.rtf" "$first"
ok "double click saved $(basename "$first") with the companion's colours and Japanese text"
drive clipboard-empty || fail "the clipboard is not empty after the save"
ok "clipboard empty after the save"
[[ $(logs_matching "$logs" '~*') == "$logs/~OL007.tmp" ]] || fail "temporary files: $(logs_matching "$logs" '~*')"

auto_save_tick
wait_until 60 "the auto-saved log" has_log "$logs" '*_2.rtf'
ok "an auto-save tick saved $(basename "$(logs_matching "$logs" '*_2.rtf')")"

stop_app
top=$(ini_value "$appdir/OrvexLog.ini" MainTop)
left=$(ini_value "$appdir/OrvexLog.ini" MainLeft)
[[ $top =~ ^[0-9]+$ && $left =~ ^[0-9]+$ ]] || fail "start-up position not stored: top '$top' left '$left'"
# Centred on the 1280 x 1024 screen: half the screen less half the window.
((top > 300 && top < 512 && left > 400 && left < 640)) || fail "position $left,$top is not centred"
ok "終了 stored the start-up position $left,$top"

# 2. Chat client log as Shift-JIS text.
start_standin client --client
logs=$work/logs2
saving_app two "$logs" '[File_TabSheet]' RichText_RadioButton=0
tray_double_click
wait_until 60 "the text log" has_log "$logs" '*_1.txt'
wait_until 10 "the text log to be complete" python3 "$here/check_capture.py" text "$work/client.txt" "$(logs_matching "$logs" '*_1.txt')"
ok "chat client saved as Shift-JIS text"

# 2a. From the keyboard, through the shell's version-4 notices: Enter on the
#     icon opens the left menu, where S saves; the menu key opens the right
#     one, where R opens the properties window.
keyboard_menu enter s
wait_until 60 "the log saved from the keyboard" has_log "$logs" '*_2.txt'
keyboard_menu menukey r
drive wait-visible TMainForm 10 || fail "R chosen from the keyboard opened no properties window"
props_drive click Cancel_Button || fail "no キャンセル to close the properties window"
drive wait-hidden TMainForm 10 || fail "the properties window stayed"
ok "the keyboard reached both menus: a log saved, the properties window opened"

# 2b. Prefixes put into the settings file behind the program's back: one that
#     the prefix check refuses never reaches the path (the log stays in the
#     save folder, without it); an accepted one is used as stored.
mkdir -p "$work/Outside"
for prefix in '..\Outside\x' 'x:y' 'ok-'; do
    write_settings "$appdir" <<INI
[File_TabSheet]
RichText_RadioButton=0
[FileName_GroupBox]
TopFileName_Edit=$prefix
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
Save_RadioButton=1
Dialog_CheckBox=0
INI
    tray_double_click
    case $prefix in
        ok-) wait_until 60 "the log with the accepted prefix" has_log "$logs" 'ok-*_1.txt' ;;
        x:y) wait_until 60 "the log without x:y" has_log "$logs" '[0-9]*_3.txt' ;;
        *) wait_until 60 "the log without the refused prefix" has_log "$logs" '[0-9]*_2.txt' ;;
    esac
done
[[ -z $(find "$work/Outside" -type f) ]] || fail "a log left the save folder: $(ls "$work/Outside")"
[[ $(find "$logs" -type f | wc -l) == 4 ]] || fail "save folder holds: $(ls "$logs")"
ok "refused stored prefixes left out of the path; an accepted one used"

# 3. A save folder that no longer exists: the general error display names the
#    file, nothing is written, the program runs on.
cat >"$appdir/OrvexLog.ini" <<INI
[File_TabSheet]
RichText_RadioButton=0
[Setting_GroupBox]
OrvexLogPath=$(win_path "$work/gone")
Save_RadioButton=1
Dialog_CheckBox=0
INI
tray_double_click
# Wine hands UTF-8 arguments to the program in its ANSI code page (932).
title='Orvex ログツールのプロパティ'
drive box-text "$title" 30 "$work/cannot-create.txt" || fail "no error box for the missing folder"
message=$(utf8 "$work/cannot-create.txt")
[[ $message == "ファイル $(win_path "$work/gone")\\"*"_1.txt を作成できません." ]] || fail "message: $message"
ok "missing folder: $message"
answer_box "$title"
[[ ! -e $work/gone ]] || fail "something was written for the missing folder"
kill -0 "$app" 2>/dev/null || fail "the program ended after the error"
ok "program still running after the error"

# An empty chat window gives an empty log, also as the first save after
# start-up; the clipboard's older text stays out of it, and the clipboard is
# left empty, as after any save.
stop_app
start_app "$appdir"
logs=$work/logs-empty
mkdir -p "$logs"
cat >"$appdir/OrvexLog.ini" <<INI
[File_TabSheet]
RichText_RadioButton=0
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
Save_RadioButton=1
Dialog_CheckBox=0
INI
start_standin empty --client --client-text=empty
drive clipboard-set "another program's text" || fail "cannot set the clipboard"
tray_double_click
wait_until 60 "the empty window's log" has_log "$logs" '*_1.txt'
wait_until 10 "the clipboard to be emptied" drive clipboard-empty || fail "the clipboard is not empty after the save"
[[ ! -s $(logs_matching "$logs" '*_1.txt') ]] || fail "the empty window's log holds: $(cat "$(logs_matching "$logs" '*_1.txt')")"
ok "empty chat window saved as an empty log"

# 4. The tray icon comes back when the notification area is re-created.
if drive icon-present TMainForm; then
    drive icon-remove TMainForm
    drive icon-present TMainForm && fail "the icon could not be removed"
    drive taskbar-created
    wait_until 10 "the icon to come back" drive icon-present TMainForm || fail "TaskbarCreated did not re-add the icon"
    ok "TaskbarCreated re-added the tray icon"
else
    echo "note: this Wine has no notification area to ask; icon check skipped"
fi
stop_app

# 5. No host window: the error box arms the close timer; unanswered, the
#    program ends about 10 s later with its position stored, even when a
#    nested box was opened and answered meanwhile, and when the tray's menu
#    is open at the tick (its loop would swallow a quit message).
stop_process "$standin"
standin=
new_app_dir three <<INI
[Setting_GroupBox]
Save_RadioButton=1
INI
start_app "$appdir"
tray_double_click
error='エラー'
drive box-text "$error" 30 "$work/no-window.txt" || fail "no box for the missing log window"
utf8 "$work/no-window.txt" | grep -q '保存対象ウィンドウが存在しません。' || fail "wrong text: $(utf8 "$work/no-window.txt")"
started=$SECONDS
# An auto-save tick under it opens a second box; answering that one must not
# stop the count the first one announces.
auto_save_tick
drive wait-boxes "$error" 2 10 || fail "no second box from the tick"
drive press "$error" 1 10
drive wait-boxes "$error" 1 10 || fail "the inner box stayed"
drive tray-event TMainForm 0x204
drive wait-visible '#32768' 10 || fail "the tray menu did not open"
wait_until 40 "the close timer to end the program" _gone "$app" || fail "the program did not end by itself"
elapsed=$((SECONDS - started))
((elapsed >= 5)) || fail "ended after ${elapsed}s, too early for the 10 s close timer"
app=
[[ -n $(ini_value "$appdir/OrvexLog.ini" MainTop) && -n $(ini_value "$appdir/OrvexLog.ini" MainLeft) ]] ||
    fail "position not stored by the close timer"
ok "unanswered no-window box (a nested one answered): program ended after ${elapsed}s with its position stored"

# 5b. A log window appears under the no-window box (a companion retitled to
#     its percentage) and a double click saves it; its copy outlasts the
#     close timer's 10 s. That save writes its whole log, then the program
#     ends.
logs=$work/logs-closing
start_standin closing --companion=0 --slow-copy=15
saving_app four "$logs"
tray_double_click
drive box-text "$error" 30 "$work/no-window.txt" || fail "no box for the missing log window"
started=$SECONDS
drive set-title StandinLogDisplay 'LogDisplay (100%)' || fail "cannot retitle the companion"
tray_double_click
wait_until 30 "the slow copy to begin" grep -q '^copying=1' "$work/ready.txt"
wait_until 60 "the program to end" _gone "$app" || fail "the program did not end after the nested save"
elapsed=$((SECONDS - started))
app=
grep -q '^answered=1' "$work/ready.txt" || fail "the program ended before the host answered the copy"
log=$(logs_matching "$logs" '*_1.rtf')
[[ -n $log ]] || fail "the nested save wrote no log before the program ended"
python3 "$here/check_capture.py" rtf "$work/closing.rtf" "$log" || fail "the nested save's log is not whole"
ok "close timer during a nested save: its whole log written, then the program ended after ${elapsed}s"
echo "save end to end: all checks passed"
