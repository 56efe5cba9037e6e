#!/usr/bin/env bash
# Faults around the copy, with the real OrvexLog.exe under Wine: the log
# window closing between the search and the copy, and another program
# holding the clipboard open during the save. Either way the copy never
# reaches the clipboard; the save must say so at once instead of writing
# whatever the clipboard held before, and the program must run on. Programs
# that hold the clipboard a moment after every change are waited for; a host
# that never hands over its promised copy does not keep the clipboard. Then
# messages that only the system or our own tray icon should send, sent by
# another program: none may crash the program or be acted on. Last, a log
# window that stops answering for a while. (faults_slow_host_test.sh has
# the saves whose copy is slow or never comes.)
#   faults_host_test.sh BUILD_DIR
# lane: a
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"
# shellcheck source=tests/wine/e2e_lib.sh
source "$here/e2e_lib.sh"
# shellcheck source=tests/wine/faults_lib.sh
source "$here/faults_lib.sh"

faults_begin faults-host
copy_failed='ログウィンドウの内容をクリップボードにコピーできません.'
others_text="another program's clipboard text"
# box_shown TITLE: a message box so titled is on screen now.
box_shown() { drive wait-boxes "$1" 1 0; }
either_box() { box_shown 'エラー' || box_shown "$app_title"; }

logs=$work/logs
mkdir -p "$logs"
new_app_dir app <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
Dialog_CheckBox=0
INI
start_app "$appdir"

# 1. The log window closes during the save (vanishing_host). Closing on
#    the select-all, right before WM_COPY: the copy cannot arrive. Ending
#    right after answering WM_COPY: the copy it promised can no longer be
#    fetched, and the paste gets nothing; not an empty log either. Closing
#    while it answers the length query: on Windows the same; Wine measures
#    the text again for the answer once the window is gone and gets 0, so
#    the save finds no text to save there ("保存対象領域が存在しません。").
#    Ending inside WM_COPY while another program copies: that program's text
#    is not the log and stays on the clipboard.
vanish_during() {
    local mode=$1
    rm -f "$work/vanishing.txt"
    drive clipboard-set "$others_text" || fail "cannot set the clipboard"
    wine "$build/vanishing_host.exe" "$(win_path "$work/vanishing.txt")" "$mode" 120 \
        </dev/null >"$work/vanishing.log" 2>&1 &
    fault_pids+=($!)
    wait_until 60 "the vanishing log window" test -s "$work/vanishing.txt"
    save_command
    if [[ $mode == copy-exit ]]; then
        wait_until 30 "the host's copy" grep -q copying "$work/vanishing.txt"
        drive clipboard-set "$others_text" || fail "cannot set the clipboard"
        echo others >>"$work/vanishing.txt"
    fi
    wait_until 30 "the log window to close during the save" grep -q gone "$work/vanishing.txt"
    # Which of the two messages the length query ends in shows only once
    # one of them is up.
    if [[ $mode == length ]]; then
        wait_until 30 "a message once the log window closed" either_box || fail "no message when the log window closed ($mode)"
    fi
    if [[ $mode == length ]] && box_shown 'エラー'; then
        drive box-text 'エラー' 10 "$work/box.txt" || fail "the box went before it was read"
        message=$(iconv -f CP932 -t UTF-8 "$work/box.txt")
        [[ $message == '保存対象領域が存在しません。' ]] || fail "message: $message"
        answer_box 'エラー'
    else
        message=$(error_box 30) || fail "no message when the log window closed ($mode)"
        [[ $message == "$copy_failed" ]] || fail "message: $message"
        answer_error_box
    fi
    [[ -z $(find "$logs" -type f) ]] || fail "a log was written from a closed window: $(ls "$logs")"
    drive clipboard-empty && fail "the other program's clipboard text is gone"
    still_running || fail "the program ended after the window closed"
    ok "window closed on the $mode message: $message; nothing written, program running"
}
vanish_during select
vanish_during copy
vanish_during copy-exit
vanish_during length

# 2. Another program holds the clipboard open during the save.
start_standin sample --companion=100
drive clipboard-set "$others_text" || fail "cannot set the clipboard"
wine "$build/ui_driver.exe" clipboard-hold 20 </dev/null >"$work/hold.txt" 2>>"$work/driver.log" &
holder=$!
fault_pids+=("$holder")
wait_until 30 "the clipboard to be held" grep -q held "$work/hold.txt"
started=$SECONDS
save_command
message=$(error_box 30) || fail "no message while the clipboard was held (hung?)"
elapsed=$((SECONDS - started))
[[ $message == "$copy_failed" ]] || fail "message: $message"
answer_error_box
# A second try while it is still held: the same, no hang.
save_command
message=$(error_box 30) || fail "no message on the second save while the clipboard was held"
answer_error_box
[[ -z $(find "$logs" -type f) ]] || fail "a log was written while the clipboard was held: $(ls "$logs")"
still_running || fail "the program ended while the clipboard was held"
ok "clipboard held: $message within ${elapsed}s, twice; nothing written, program running"

wait_until 60 "the clipboard to be released" _gone "$holder"
save_command
wait_until 60 "the log once the clipboard is free" has_log "$logs" '*_1.rtf'
wait_until 10 "the log to be complete" python3 "$here/check_capture.py" rtf "$work/sample.rtf" \
    "$(logs_matching "$logs" '*_1.rtf')"
wait_until 30 "the clipboard to be emptied" drive clipboard-empty || fail "the clipboard is not empty after the save"
ok "clipboard free again: $(basename "$(logs_matching "$logs" '*_1.rtf')") complete, clipboard emptied"

# 2b. Clipboard managers, the system's clipboard history and remote-desktop
#     sync open the clipboard right after every change, the host's copy and
#     the emptying included, and hold it a moment. Beside such a program
#     holding it 50 ms, then 200 ms, every save writes its log, byte for byte
#     the log of the save above, made without it; saves follow each other
#     without waiting for the watcher.
reference=$(logs_matching "$logs" '*_1.rtf')
watched=$work/logs2b
mkdir -p "$watched"
write_settings "$appdir" <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$watched")
Dialog_CheckBox=0
INI
n=0
for hold in 50 200; do
    start_watcher "$hold"
    for _ in 1 2 3 4 5; do
        n=$((n + 1))
        save_command
        wait_until 30 "log $n beside a $hold ms watcher" has_log "$watched" "*_$n.rtf" ||
            fail "no log $n beside a $hold ms watcher: $(error_box 1)"
        cmp -s "$reference" "$(logs_matching "$watched" "*_$n.rtf")" ||
            fail "log $n differs from the one without the watcher"
    done
    holds=$(grep -c held "$work/watch.txt")
    ((holds >= 5)) || fail "the $hold ms watcher held the clipboard only $holds times"
    stop_watcher
    ok "beside a $hold ms watcher ($holds holds): 5 saves, each log the same as without it"
done


# 3. Another program's messages: a double click reported for an icon that is
#    not ours (id 2), then creation data naming an object of its making, a
#    destruction notice and a control notification pointing nowhere, sent
#    to every window of ours. None may be acted on or crash the program; the
#    count of logs once it has ended shows that only our icon's click saved.
cat >"$appdir/OrvexLog.ini" <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
Dialog_CheckBox=0
Save_RadioButton=1
INI
drive notify TMainForm 0x400 0 0x20203
tray_double_click
wait_until 60 "our icon's double click to save" has_log "$logs" '*_2.rtf' || fail "our icon's double click did not save"
show_properties
drive wait-visible TMainForm 30 || fail "the properties window did not show"
for class in TApplication TMainForm TDialogForm OrvexLogPanel OrvexLogLinkLabel; do
    for kind in nccreate ncdestroy notify; do
        drive forge "$kind" "$class" >>"$work/forge.log" || fail "no $class window to send $kind to"
    done
done
still_running || fail "the program did not survive another program's messages: $(cat "$work/forge.log")"
save_command
wait_until 60 "a save after them" has_log "$logs" '*_3.rtf' || fail "no save after another program's messages"
wait_until 10 "that log to be complete" python3 "$here/check_capture.py" rtf "$work/sample.rtf" \
    "$(logs_matching "$logs" '*_3.rtf')"
stop_app
[[ $(logs_matching "$logs" '*' | wc -l) == 3 ]] || fail "logs: $(ls "$logs") (another icon's double click saved)"
ok "another icon's double click ignored; forged creation, destruction and notification messages survived"

# 4. The companion stops taking messages for a while (as when it loads a
#    long log), beside a chat client that answers. Silent past the wait
#    limit (60 s), the save stops with a message and writes nothing; it is
#    never taken for an empty window, which would save the chat client's log.
#    A save while it is still silent is waited for and saves its log.
logs=$work/logs4
mkdir -p "$logs"
new_app_dir app4 <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
Dialog_CheckBox=0
INI
start_app "$appdir"
start_standin client --client
start_other_standin busy.ready.txt busy --companion=100 --busy=90
busy_host=${fault_pids[-1]}
drive wait-hung StandinLogDisplay 30 || fail "the companion did not stop answering"
started=$SECONDS
save_command
drive box-text 'エラー' 100 "$work/box.txt" || fail "no message about the silent companion"
elapsed=$((SECONDS - started))
message=$(iconv -f CP932 -t UTF-8 "$work/box.txt")
[[ $message == 'ログウィンドウ「LogDisplay (100%)」が応答しないため、保存を中止しました。'* ]] || fail "message: $message"
((elapsed >= 50 && elapsed < 90)) || fail "gave up on the companion after ${elapsed}s, not after the 60 s limit"
answer_box 'エラー'
[[ -z $(find "$logs" -type f -newer "$work/busy.ready.txt") ]] || fail "a log was written: $(ls "$logs")"
ok "silent companion: message after ${elapsed}s, nothing written"
drive wait-hung StandinLogDisplay 0 || fail "the companion answers again too early to test the wait"
save_command
wait_until 90 "the companion's log once it answers" has_log "$logs" '*_1.rtf'
wait_until 10 "the log to be complete" python3 "$here/check_capture.py" rtf "$work/busy.rtf" \
    "$(logs_matching "$logs" '*_1.rtf')"
ok "busy companion waited for: its own log saved"
stop_app

stop_process "$busy_host"

# 5. A host whose copy is a promise and that never hands it over: the save
#     gives up at the copy's limit (60 s) with the message, and the clipboard
#     is not kept from other programs: another program can copy at once.
logs=$work/logs5
saving_app app5 "$logs"
start_standin hung --companion=100 --hand-over=600
hung_host=$standin
save_command
wait_until 30 "the hand-over to begin" grep -q '^handing=1' "$work/ready.txt"
drive box-text 'エラー' 90 "$work/box.txt" || fail "no message about the host that never hands over its copy"
message=$(iconv -f CP932 -t UTF-8 "$work/box.txt")
[[ $message == 'ログウィンドウ「LogDisplay (100%)」が応答しないため、保存を中止しました。'* ]] || fail "message: $message"
started=$SECONDS
wait_until 5 "another program to copy after the save gave up" drive clipboard-set "$others_text" ||
    fail "the clipboard is still kept from other programs"
ok "hung hand-over: the save gave up, another program copied $((SECONDS - started)) s later"
drive press 'エラー' 1 10
[[ -z $(find "$logs" -type f) ]] || fail "a log was written: $(ls "$logs")"
stop_process "$hung_host"
standin=
stop_app

echo "host and clipboard faults: all checks passed"
