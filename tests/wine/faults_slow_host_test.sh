#!/usr/bin/env bash
# Saves whose host is slow or stops while the copy is under way, with the
# real OrvexLog.exe under Wine: a save asked for again, a tray menu opened,
# another program's copy and the properties window chosen meanwhile, a copy
# longer than a minute, a host that goes silent right after the copy, and a
# host slow or hung handing over a promised copy beside a clipboard watcher.
# (faults_host_test.sh has the host and clipboard faults before the copy;
# the two wait out the save's one-minute limits side by side.)
#   faults_slow_host_test.sh BUILD_DIR
# lane: b
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"
# shellcheck source=tests/wine/e2e_lib.sh
source "$here/e2e_lib.sh"
# shellcheck source=tests/wine/faults_lib.sh
source "$here/faults_lib.sh"

faults_begin faults-slow-host
copy_failed='ログウィンドウの内容をクリップボードにコピーできません.'
others_text="another program's clipboard text"

# 5. A tray double click (sent while the save waits on a slow WM_COPY) must
#    not start a save inside the running one, which would empty the
#    clipboard under it: one whole log, one copy. The host holds each copy
#    of 5 to 5c until the step has done what it must do meanwhile (a sent
#    click is taken before the answer that the release brings).
logs=$work/logs5
saving_app app5 "$logs"
start_standin slow --companion=100 --slow-copy=120
save_command
wait_until 30 "the slow copy to begin" grep -q '^copying=1' "$work/ready.txt"
tray_double_click
release_copy 1
wait_until 60 "the log" has_log "$logs" '*_1.rtf'
wait_until 10 "the log to be complete" python3 "$here/check_capture.py" rtf "$work/slow.rtf" \
    "$(logs_matching "$logs" '*_1.rtf')"
stop_app
[[ $(logs_matching "$logs" '*.rtf' | wc -l) == 1 ]] || fail "logs written: $(ls "$logs")"
grep -q '^copying=2' "$work/ready.txt" && fail "a second copy was asked for inside the running save"
ok "double click during the copy: one whole log"

# 5b. While that slow copy waits, the shell's right click opens the tray
#     menu and it is left open: the host's answer writes the log all the
#     same, under the open menu, which then still closes as asked.
start_app "$appdir"
save_command
wait_until 30 "the slow copy to begin" grep -q '^copying=2' "$work/ready.txt"
drive tray TMainForm right
drive wait-menu TMainForm 1 10 || fail "no tray menu during the copy"
release_copy 2
wait_until 30 "the log under the open menu" has_log "$logs" '*_2.rtf'
drive wait-menu TMainForm 1 0 || fail "the tray menu closed before the log was written"
drive menu-close TMainForm || fail "the tray menu did not close"
wait_until 10 "the log to be complete" python3 "$here/check_capture.py" rtf "$work/slow.rtf" \
    "$(logs_matching "$logs" '*_2.rtf')"
wait_until 10 "the clipboard to be emptied" drive clipboard-empty || fail "the clipboard is not empty after the save"
ok "a tray menu left open during the copy: the log written when the host answered"

# 5c. Another program copies while the host still answers the copy: what
#     the clipboard holds then is not the host's, so no log is written from
#     it, and it stays on the clipboard.
save_command
wait_until 30 "the slow copy to begin" grep -q '^copying=3' "$work/ready.txt"
drive clipboard-set "$others_text" || fail "cannot set the clipboard"
release_copy 3
message=$(error_box 30) || fail "no message after another program's copy during the host's"
[[ $message == "$copy_failed" ]] || fail "message: $message"
answer_error_box
[[ $(logs_matching "$logs" '*.rtf' | wc -l) == 2 ]] || fail "logs written: $(ls "$logs")"
drive clipboard-empty && fail "another program's text was wiped from the clipboard"
stop_app
ok "another program's copy during the host's: $message; not saved, not wiped"

# 5d. With the notice on (and both auto-save keys true, as by default) and
#     the timer on, the slow copy ends while the left menu, opened by a real
#     click, is open: the log is written under the menu and auto-save
#     switched on with it (on already); 自動保存 chosen there with a real key
#     switches the timer off, and that stands once the notice is answered.
logs=$work/logs5d
mkdir -p "$logs"
new_app_dir app5d <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
INI
start_app "$appdir"
tray_menu left A "自動保存(&A)"
save_command
wait_until 30 "the slow copy to begin" grep -q '^copying=4' "$work/ready.txt"
real_left_menu
drive menu-checked TMainForm || fail "the timer switched on is not shown checked"
release_copy 4
wait_until 30 "the log under the open left menu" has_log "$logs" '*_1.rtf'
drive wait-menu TMainForm 1 0 || fail "the left menu closed when the log was written"
drive visible TDialogForm && fail "the notice came over the open menu"
real_key a
drive wait-menu TMainForm 0 10 || fail "the real key chose nothing"
drive wait-visible TDialogForm 10 || fail "no notice once the menu had closed"
answer_notice
real_left_menu
drive menu-checked TMainForm && fail "自動保存 chosen under the menu was undone by the save"
real_key Escape
drive wait-menu TMainForm 0 10 || fail "the left menu stayed"
ok "a save ending under the left menu: 自動保存 chosen there stands"

# 5e. Both double-click actions on: a double click saves first, and the
#     properties window comes once the notice of that save is answered, not
#     while the host copies, nor over the notice.
write_settings "$appdir" <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
Save_RadioButton=1
MainForm_RadioButton=1
INI
tray_double_click
wait_until 30 "the slow copy to begin" grep -q '^copying=5' "$work/ready.txt"
drive visible TMainForm && fail "the window opened while the host still copied"
release_copy 5
drive wait-visible TDialogForm 30 || fail "no notice of the double click's save"
drive visible TMainForm && fail "the window came before the notice was answered"
answer_notice
drive wait-visible TMainForm 10 || fail "the window did not come once the notice was answered"
has_log "$logs" '*_2.rtf' || fail "the double click saved no log"
stop_app
ok "double click with both actions: the log, its notice, then the window"

# 6. A copy that takes longer than a minute, of a log long enough to be given
#    that time (400 KB: 73.6 s), is waited for, and meanwhile the program
#    answers at once: the properties window chosen from the tray's menu opens
#    while the copy still runs.
start_app "$appdir"
start_standin long --client --client-text=gen:400 --slow-copy=62
(($(ini_value "$work/ready.txt" client.length) >= 400000)) || fail "the log is shorter than 400 KB"
save_command
wait_until 30 "the slow copy to begin" grep -q '^copying=1' "$work/ready.txt"
show_properties
drive wait-visible TMainForm 30 || fail "the properties window chosen during the copy did not open"
has_log "$logs" '*_3.rtf' && fail "the copy ended too early to show the wait"
wait_until 120 "the log of the slow copy" has_log "$logs" '*_3.rtf' ||
    fail "no log of the slow copy: $(drive box-text 'エラー' 1 "$work/box.txt" && iconv -f CP932 -t UTF-8 "$work/box.txt")"
ok "a 62 s copy of a 400 KB log waited for; the window chosen meanwhile opened at once"

# 7. The host stops right after answering WM_COPY: the fetch of its copy
#    is given up at the copy's limit (60 s for this log) and never asked for
#    again by a paste, nothing is written; and 終了 during a save that waits
#    on that silent host ends the program.
start_standin silent --companion=100 --silent-after-copy=150
save_command
started=$SECONDS
drive box-text 'エラー' 110 "$work/box.txt" || fail "no message about the host silent after the copy"
elapsed=$((SECONDS - started))
message=$(iconv -f CP932 -t UTF-8 "$work/box.txt")
[[ $message == 'ログウィンドウ「LogDisplay (100%)」が応答しないため、保存を中止しました。'* ]] || fail "message: $message"
((elapsed >= 55 && elapsed < 62)) || fail "gave up on the silent host after ${elapsed}s, not at the copy's 60 s limit"
answer_box 'エラー'
[[ $(logs_matching "$logs" '*' | wc -l) == 3 ]] || fail "a log was written: $(ls "$logs")"
ok "host silent after the copy: message after ${elapsed}s, nothing written"
# The posted 終了 is taken while the save posted before it waits.
save_command
stop_app
drive wait-hung StandinLogDisplay 0 || fail "the host woke before OrvexLog ended"
ok "終了 during a save waiting on the silent host ends the program"

# 8. A host whose copy is a promise hands it over slowly (15 s), beside a
#    clipboard watcher that holds the clipboard 5 ms after every change: the
#    hand-over is waited for on the worker, never by a paste on the program's
#    own thread, so the properties window chosen meanwhile opens at once, and
#    the log is written once the host has handed its copy over.
logs=$work/logs8
saving_app app8 "$logs"
start_standin slowhand --companion=100 --hand-over=15
start_watcher 5
save_command
wait_until 30 "the hand-over to begin" grep -q '^handing=1' "$work/ready.txt"
started=$SECONDS
show_properties
drive wait-visible TMainForm 5 || fail "the properties window waited for the host's hand-over"
ok "slow hand-over: the properties window opened after $((SECONDS - started)) s"
wait_until 40 "the log once the host has handed its copy over" has_log "$logs" '*_1.rtf'
grep -q '^handed=' "$work/ready.txt" || fail "a log was written before the host handed its copy over"
wait_until 10 "the log to be complete" python3 "$here/check_capture.py" rtf "$work/slowhand.rtf" \
    "$(logs_matching "$logs" '*_1.rtf')"
stop_app
ok "slow hand-over beside a watcher: the whole log written after $((SECONDS - started)) s"

# 9. The same host hangs handing its copy over, beside the 5 ms watcher:
#    終了 chosen during the hand-over ends the program within seconds, in
#    every try (a paste on the program's own thread would wait for the host
#    until it ends).
for try in 1 2 3; do
    start_app "$appdir"
    start_standin hung --companion=100 --hand-over=600
    save_command
    wait_until 30 "the hand-over to begin" grep -q '^handing=1' "$work/ready.txt"
    started=$SECONDS
    exit_command
    wait_until 10 "OrvexLog to end during the hung hand-over" _gone "$app" ||
        fail "終了 was not answered during the hung hand-over (try $try)"
    app=
    ok "hung hand-over, try $try: 終了 ended the program in $((SECONDS - started)) s"
done
stop_watcher
echo "slow and silent host faults: all checks passed"
