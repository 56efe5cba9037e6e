#!/usr/bin/env bash
# Faults of the disk under a save, with the real OrvexLog.exe under Wine: a
# read-only save folder, a file system that fills up in the middle of the
# write, and a save folder so deep that the log's path is too long. Each
# time: the message, nothing on disk lost, no temporary file left, and the
# program still running and saving once the fault is gone.
#   faults_disk_test.sh BUILD_DIR
# Read-only folders and the small file system need mount (root); without it
# those cases are skipped with a note.
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

faults_begin faults-disk

start_standin sample --companion=100
logs=$work/logs
mkdir -p "$logs"
new_app_dir app <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$logs")
Dialog_CheckBox=0
INI
start_app "$appdir"

# 1. A read-only save folder: the file cannot be created; the earlier log is
#    untouched, the copied text stays on the clipboard.
save_command
wait_until 60 "the first log" has_log "$logs" '*_1.rtf'
first=$(logs_matching "$logs" '*_1.rtf')
wait_until 10 "the first log to be complete" python3 "$here/check_capture.py" rtf "$work/sample.rtf" "$first"
sum_before=$(md5sum <"$first")
if read_only "$logs"; then
    save_command
    message=$(error_box 60) || fail "no error box for the read-only folder"
    [[ $message == "ファイル $(win_path "$logs")\\"*"_2.rtf を作成できません." ]] || fail "message: $message"
    answer_error_box
    [[ $(md5sum <"$first") == "$sum_before" && $(logs_matching "$logs" '*') == "$first" ]] ||
        fail "the read-only folder changed: $(ls -la "$logs")"
    drive clipboard-empty && fail "the copied text left the clipboard although nothing was saved"
    still_running || fail "the program ended after the read-only folder"
    ok "read-only folder: $message; the earlier log untouched, program running"
    undo_read_only "$logs"
    save_command
    wait_until 60 "the log once writable again" has_log "$logs" '*_2.rtf'
    wait_until 10 "that log to be complete" python3 "$here/check_capture.py" rtf "$work/sample.rtf" \
        "$(logs_matching "$logs" '*_2.rtf')"
    ok "writable again, the next save wrote $(basename "$(logs_matching "$logs" '*_2.rtf')")"
else
    skip "read-only folder: cannot mount here ($(tail -n 1 "$work/mount.log" 2>/dev/null))"
fi

# 2. A nearly full file system and the time identifier: the earlier log of
#    the same name must survive byte for byte when the write fails midway.
full=$work/full
mkdir -p "$full"
if faults_mount "$full" -t tmpfs -o size=256k tmpfs; then
    start_standin big --companion=100 --companion-text=gen:200
    cat >"$appdir/OrvexLog.ini" <<INI
[FileName_GroupBox]
Number_CheckBox=0
[Setting_GroupBox]
OrvexLogPath=$(win_path "$full")
Dialog_CheckBox=0
INI
    earlier_logs "$full" %Y%m%d_%H%M
    free_kb=$(df -k --output=avail "$full" | tail -n 1 | tr -d ' ')
    # About 40 KB left for a log of some 200 KB.
    head -c $(((free_kb - 40) * 1024)) /dev/zero >"$full/filler"
    save_command
    message=$(error_box 120) || fail "no error box for the full file system"
    [[ $message == "ストリームへの書き込みに失敗しました." ]] || fail "message: $message"
    answer_error_box
    changed_log && fail "an earlier log was changed"
    [[ $(find "$full" -type f | wc -l) == 4 ]] || fail "files left behind: $(ls -la "$full")"
    no_temporaries "$full" || fail "a temporary file was left behind"
    still_running || fail "the program ended after the full file system"
    ok "full file system: $message; the earlier logs intact, no temporary file"
    rm "$full/filler"
    save_command
    wait_until 120 "the log of this minute to be replaced" changed_log >/dev/null
    new=$(changed_log)
    wait_until 10 "it to be complete" python3 "$here/check_capture.py" rtf "$work/big.rtf" "$new"
    ok "with room again, the save replaced $(basename "$new") with the complete log"
else
    skip "full file system: cannot mount a small tmpfs here ($(tail -n 1 "$work/mount.log" 2>/dev/null))"
fi

# 3. A path longer than the platform allows (MAX_PATH, 260): the file cannot
#    be created and nothing is written, whether the folder itself is too deep
#    or only the log's name no longer fits. In the second folder lies a log
#    that the search for a free number cannot see at that length; it must
#    not be replaced.
deep=$work/deep
while (($(win_path "$deep" | wc -c) < 270)); do deep=$deep/folder_with_a_long_name; done
mkdir -p "$deep"
edge=$work/edge
while (($(win_path "$edge" | wc -c) < 236)); do edge=$edge/a; done
mkdir -p "$edge"
prefix=prefix_of_14ch
cat >"$appdir/OrvexLog.ini" <<INI
[Setting_GroupBox]
OrvexLogPath=$(win_path "$deep")
Dialog_CheckBox=0
INI
save_command
message=$(error_box 60) || fail "no error box for the deep folder"
[[ $message == "ファイル $(win_path "$deep")\\"*"_1.rtf を作成できません." ]] || fail "message: $message"
answer_error_box
[[ -z $(find "$work/deep" -type f) ]] || fail "something was written: $(find "$work/deep" -type f)"
ok "folder of $(win_path "$deep" | wc -c) bytes: the file cannot be created, nothing written"

cat >"$appdir/OrvexLog.ini" <<INI
[FileName_GroupBox]
TopFileName_Edit=$prefix
[Setting_GroupBox]
OrvexLogPath=$(win_path "$edge")
Dialog_CheckBox=0
INI
hidden=$edge/$prefix$(date +%Y%m%d)_1.rtf
echo "a log the existence test cannot see" >"$hidden"
save_command
message=$(error_box 60) || fail "no error box when the log's name does not fit"
[[ $message == "ファイル $(win_path "$edge")\\$prefix"*"_1.rtf を作成できません." ]] || fail "message: $message"
answer_error_box
[[ $(<"$hidden") == "a log the existence test cannot see" ]] || fail "the unseen log was replaced"
[[ $(find "$work/edge" -type f) == "$hidden" ]] || fail "files left: $(find "$work/edge" -type f)"
ok "name past 260 bytes in a folder of $(win_path "$edge" | wc -c): not created, the unseen log kept, no temporary file"

# 4. Below the limit every log is written, however deep its folder: 246 bytes
#    and the two-digit year end the path at 259, where "~OrvexLog1.tmp"
#    would pass it. In 253 bytes only a bare "1.rtf" fits and no temporary
#    name does: the free name is written in place.
start_standin sample --companion=100
fit=$(folder_of_length "$work/fit" 246) || fail "cannot make a folder of 246 bytes"
cat >"$appdir/OrvexLog.ini" <<INI
[FileName_GroupBox]
Year2_RadioButton=1
[Setting_GroupBox]
OrvexLogPath=$(win_path "$fit")
Dialog_CheckBox=0
INI
save_command
wait_until 60 "the log in a folder of 246 bytes" has_log "$fit" '*_1.rtf' || fail "no log: $(error_box 1)"
wait_until 10 "it to be complete" python3 "$here/check_capture.py" rtf "$work/sample.rtf" "$(logs_matching "$fit" '*_1.rtf')"
no_temporaries "$fit" || fail "a temporary file was left in the deep folder"
ok "folder of 246 bytes: $(basename "$(logs_matching "$fit" '*_1.rtf')") written"

bare=$(folder_of_length "$work/bare" 253) || fail "cannot make a folder of 253 bytes"
cat >"$appdir/OrvexLog.ini" <<INI
[FileName_GroupBox]
Year_CheckBox=0
Month_CheckBox=0
Day_CheckBox=0
Plain_CheckBox=0
[Setting_GroupBox]
OrvexLogPath=$(win_path "$bare")
Dialog_CheckBox=0
INI
save_command
wait_until 60 "the log in a folder of 253 bytes" test -f "$bare/1.rtf" || fail "no log: $(error_box 1)"
wait_until 10 "it to be complete" python3 "$here/check_capture.py" rtf "$work/sample.rtf" "$bare/1.rtf"
[[ $(find "$bare" -type f) == "$bare/1.rtf" ]] || fail "files left: $(find "$bare" -type f)"
still_running || fail "the program ended after the long paths"
ok "folder of 253 bytes: 1.rtf written in place"

stop_app
echo "disk faults: all checks passed"
