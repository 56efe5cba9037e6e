#!/usr/bin/env bash
# End to end under Wine: the saved-log notice after a save, with the
# program's taskbar entry while it is up, its position remembered across a
# restart, a save nested inside the open notice, and the notice and an error
# box over one another.
#   notice_e2e_test.sh BUILD_DIR
# lane: c
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

# shellcheck source=tests/wine/e2e_lib.sh
source "$here/e2e_lib.sh"
e2e_begin notice
mkdir -p "$work/logs" "$work/app"

has_log() { [[ -n $(find "$work/logs" -maxdepth 1 -name "$1") ]]; }
notice_texts() { drive texts TDialogForm "$work/texts.txt" && iconv -f CP932 -t UTF-8 "$work/texts.txt"; }


start_standin sample --companion=100

cp "$build/OrvexLog.exe" "$work/app/"
printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\nSave_RadioButton=1\r\n' "$(win_path "$work/logs")" >"$work/app/OrvexLog.ini"
start_app "$work/app"
props_drive wait-taskbar 0 5 || fail "a taskbar entry after start-up"

# 1. A double click saves and shows the notice with the window title and file.
tray_double_click
drive wait-visible TDialogForm 60 || fail "no notice after the save"
texts=$(notice_texts)
grep -qx 'LogDisplay (100%)' <<<"$texts" || fail "notice does not name the window: $texts"
grep -qx '[0-9]*_1.rtf' <<<"$texts" || fail "notice does not name the file: $texts"
grep -qx '下記のウィンドウから保存されました。' <<<"$texts" || fail "notice text: $texts"
ok "notice names the window and $(grep -x '[0-9]*_1.rtf' <<<"$texts")"
# Shown alone it waits for OK and may lie behind the chat window: the
# program's taskbar entry leads to it.
props_drive wait-taskbar 1 10 || fail "no taskbar entry for the notice"

# 2. An auto-save tick while the notice is open runs a whole nested save: a
#    second file, the open notice shows it, and it stays the only notice.
drive post TMainForm 0x113 1 0
wait_until 60 "the nested save's file" has_log '*_2.rtf'
wait_until 10 "the notice to show the second file" bash -c "$(declare -f drive notice_texts); build='$build' work='$work'; notice_texts | grep -qx '[0-9]*_2.rtf'"
drive visible TDialogForm || fail "the first notice went away"
ok "nested save inside the open notice wrote $(basename "$(find "$work/logs" -name '*_2.rtf')") and updated the notice"

# 3. Moved and closed with OK, the position is stored ...
drive move TDialogForm 123 234
drive post TDialogForm 0x111 1 0
drive wait-hidden TDialogForm 10 || fail "OK did not close the notice"
props_drive wait-taskbar 0 10 || fail "the taskbar entry stayed after the notice"
stored() { [[ $(ini_value "$work/app/OrvexLog.ini" DialogLeft) == 123 ]]; }
wait_until 10 "the stored position" stored || true
[[ $(ini_value "$work/app/OrvexLog.ini" DialogTop) == 234 && $(ini_value "$work/app/OrvexLog.ini" DialogLeft) == 123 ]] ||
    fail "position not stored: $(tr -d '\r' <"$work/app/OrvexLog.ini")"
ok "OK stored the notice's position 123,234"

# 4. ... and after a restart the notice opens there.
stop_app
start_app "$work/app"
tray_double_click
drive wait-visible TDialogForm 60 || fail "no notice after the restart"
read -r left top _ < <(drive rect TDialogForm)
[[ $left == 123 && $top == 234 ]] || fail "notice opened at $left,$top"
ok "after a restart the notice opens at the stored place"
drive post TDialogForm 0x111 1 0
drive wait-hidden TDialogForm 10 || fail "OK did not close the notice"

# 5. Stored on a monitor that has gone since, the notice opens on screen; a
#    chat window title wider than it stays on one line, centred and cut at
#    both edges; the short file name is centred.
stop_app
printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\nSave_RadioButton=1\r\n[FormPosition]\r\nDialogTop=-3000\r\nDialogLeft=-3000\r\n' \
    "$(win_path "$work/logs")" >"$work/app/OrvexLog.ini"
start_app "$work/app"
title='Orvex3 - Saturday night talk: railways_and_stations_in_Kyoto'
start_standin long --client --client-title="$title"
tray_double_click
drive wait-visible TDialogForm 60 || fail "no notice for the chat client's window"
drive on-screen TDialogForm || fail "a notice stored off every screen opened at $(drive rect TDialogForm)"
wait_until 10 "the notice to show the title" bash -c "$(declare -f drive notice_texts); build='$build' work='$work'; notice_texts | grep -qxF '$title'"
file=$(notice_texts | grep -x '[0-9]*_[0-9]*\.rtf')
read -r width from to first last < <(drive ink TDialogForm "$title" | tr -d '\r')
((first >= 0 && first <= from + 2 && last >= to - 2)) ||
    fail "the title is not one line cut at both edges: ink $first..$last of $from..$to"
read -r width from to first last < <(drive ink TDialogForm "$file" | tr -d '\r')
((first > from && (first + last - width + 1) ** 2 <= 9)) ||
    fail "the file name is not centred: ink $first..$last of $width"
ok "off every screen the notice opens on it; a ${#title}-character title on one line cut at both edges, the file name centred"
drive post TDialogForm 0x111 1 0
drive wait-hidden TDialogForm 10 || fail "OK did not close the notice"

# 6. The window to answer now takes the input and those under it wait: the
#    notice over an error box, then an error box over the notice, each
#    answered with a real click. (The log folder comes and goes through the
#    settings, read at each save.)
save_into() {
    printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\nSave_RadioButton=1\r\n' "$(win_path "$1")" >"$work/app/OrvexLog.ini"
}
save_into "$work/gone"
drive post TMainForm 0x111 102 0
props_drive wait-window-enabled app-title 1 30 || fail "no error box for the missing folder"
save_into "$work/logs"
notice_over app-title
# The properties window asked for meanwhile comes up behind the box, waiting.
props_drive show 30 || fail "the properties window did not show under the error box"
props_drive wait-window-enabled form 0 10 || fail "the properties window is enabled under the error box"
props_drive real-answer-box app-title - ok 20 || fail "the error box did not take a real click after the notice"
props_drive wait-window-enabled form 1 10 || fail "the properties window stayed disabled after the box"
props_drive click Cancel_Button
props_drive wait-shown 0 20 || fail "the properties window did not close"
ok "the notice over an error box, then the box, answered by real clicks; the properties window waited behind"

drive tray-event TMainForm 0x203
drive wait-visible TDialogForm 60 || fail "no notice"
save_into "$work/gone"
drive post TMainForm 0x113 1 0
props_drive wait-window-enabled app-title 1 30 || fail "no error box over the notice"
props_drive wait-window-enabled notice 0 10 || fail "the notice is enabled under the error box"
props_drive real-answer-box app-title - ok 20 || fail "the error box over the notice did not take a real click"
props_drive wait-window-enabled notice 1 10 || fail "the notice stayed disabled after the error box"
answer_notice
ok "an error box over the notice, then the notice, answered by real clicks"

# 7. Enter typed on the notice while the next save waits on a slow host
#    closes that notice at once; the save, once its host answers, shows its
#    own notice with its own file. The host holds that copy until the notice
#    has closed (the first save's copy it answers at once).
save_into "$work/logs"
start_standin slow --companion=100 --slow-copy=120
release_copy 1
tray_double_click
drive wait-visible TDialogForm 60 || fail "no notice"
logs_before=$(find "$work/logs" -name '*.rtf' | wc -l)
drive post TMainForm 0x113 1 0
wait_until 30 "the next save's copy" grep -q '^copying=2' "$work/ready.txt"
props_drive stroke-notice 0x0D || fail "Enter could not be typed on the notice"
drive wait-hidden TDialogForm 30 || fail "Enter on the notice during the next save's copy did not close it"
(($(find "$work/logs" -name '*.rtf' | wc -l) == logs_before)) || fail "the notice waited for the next save's log"
release_copy 2
rtf_count() { (($(find "$work/logs" -name '*.rtf' | wc -l) == $1)); }
wait_until 30 "the next save's log" rtf_count $((logs_before + 1))
drive wait-visible TDialogForm 30 || fail "the next save showed no notice of its own"
newest=$(basename "$(ls -t "$work/logs"/*.rtf | head -n 1)")
notice_texts | grep -qF "$newest" || fail "the notice does not name $newest: $(notice_texts)"
answer_notice
ok "Enter on the notice during the next save's copy closed it; that save's own notice named $newest"
stop_app
echo "notice end to end: all checks passed"
