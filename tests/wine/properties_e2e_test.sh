#!/usr/bin/env bash
# End to end with the real OrvexLog.exe under Wine: the properties window
# opened by the tray's properties command, its taskbar entry, options changed
# through its controls (clicks, typing, keys), OK and the settings file, a
# missing save folder created with Yes or dropped with No while the window
# takes no clicks (and not stored when Yes creates nothing), キャンセル
# restoring what is stored (the designed states before the first commit,
# also for the tray's double click), the window always opening on page 1
# with the focus in the prefix box, the prefix box's limit of 14 bytes, a
# save folder stored relative that a commit keeps and a save writes into, and
# a relative one typed that Yes creates in the program folder.
#   properties_e2e_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

# shellcheck source=tests/wine/props_lib.sh
source "$here/props_lib.sh"
props_begin properties
ini=$work/app/OrvexLog.ini
ini_value() { tr -d '\r' <"$ini" | sed -n "/^\[$1\]/,/^\[/s/^$2=//p" | head -n 1; }
expect_ini() {
    local got
    got=$(ini_value "$1" "$2")
    [[ $got == "$3" ]] || fail "$1/$2 is '$got', want '$3'"
    ok "$1/$2 = $3"
}
# The save-folder box shows the folder in full only while it has the focus.
expect_full_folder() {
    must "focus into the save-folder box" mouse-click SaveFolder_Edit
    must "save-folder box focused" wait-focus SaveFolder_Edit 10
    must "save-folder box shows $1 in full" wait-text SaveFolder_Edit "$1" 10
}

props_start_app
program_folder=$(win_path "$work/app")
must "nothing on the taskbar after start-up" wait-taskbar 0 5

# 1. Opened from the tray without a settings file: the designed states.
must "window shown by the properties command" show 30
must "one taskbar entry while shown" wait-taskbar 1 10
must "the entry brings the window forward" taskbar-activate 10
must "page 1 active" wait-page 0 10
must "focus in the prefix box" wait-focus TopFileName_Edit 10
must "update button disabled" wait-enabled Save_Button 0 5
must "delete button disabled without a stored path" wait-enabled DeleteQuorlaPath_Button 0 5
must "60 minutes" wait-minutes AutoSave_Label 60 5
must "year box checked" wait-checked Year_CheckBox 1 5
must "two-digit year" wait-checked Year2_RadioButton 1 5
ok "defaults shown"

# キャンセル before the first commit: a key never written stands for the
# designed state, in the window and for the tray's double click.
must "month box clicked" click Month_CheckBox
must "page 3 for the double click" page 2 10
must "double click to show the properties" click MainForm_RadioButton
must "properties radio checked" wait-checked MainForm_RadioButton 1 10
must "cancel" click Cancel_Button
must "cancel hides the window" wait-shown 0 20
# The double click sent as the version-4 shell does (event and icon id in
# lParam), returning once it is handled.
ui send TMainForm 0x400 0 0x10203 || fail "tray double click"
drive wait-shown 0 1 || fail "a cancelled double-click choice opened the window"
[[ ! -e $ini ]] || fail "cancel wrote the settings file"
must "shown after cancel" show 30
must "month box as designed" wait-checked Month_CheckBox 1 10
must "double click does nothing again" wait-checked None_RadioButton 1 10
must "page 1 after cancel" wait-page 0 10
ok "cancel before the first commit restored the designed states"

# 2. Changes through the controls.
must "four-digit year clicked" click Year4_RadioButton
must "four-digit year checked" wait-checked Year4_RadioButton 1 10
must "two-digit year unchecked" wait-checked Year2_RadioButton 0 10
must "a change enables the update button" wait-enabled Save_Button 1 10
must "prefix typed" type TopFileName_Edit LOG
must "prefix shown" wait-text TopFileName_Edit LOG 10
drive text FileNameSample_Label | grep -q "LOG2" || fail "the sample name follows the prefix"
must "separator clicked" click Plain_RadioButton3
must "blank separator checked" wait-checked Plain_RadioButton3 1 10
must "underscore separator unchecked" wait-checked Plain_RadioButton1 0 10
ok "page 1 changed"

must "page 2" page 1 10
must "text format clicked" click Plain_RadioButton
must "text format checked" wait-checked Plain_RadioButton 1 10
must "track bar to its end" key AutoSave_TrackBar 0x23
must "120 minutes" wait-minutes AutoSave_Label 120 10
# The label grew to the left: none of its old picture may stay on screen.
must "the whole of 120 minutes on screen" shows-fresh AutoSave_Label 10
must "track bar a page back" key AutoSave_TrackBar 0x21
must "115 minutes" wait-minutes AutoSave_Label 115 10
must "the whole of 115 minutes on screen" shows-fresh AutoSave_Label 10
must "auto-save switched off" click AutoSave_CheckBox
must "auto-save unchecked" wait-checked AutoSave_CheckBox 0 10
must "track bar follows auto-save" wait-enabled AutoSave_TrackBar 0 10
must "menu box follows auto-save" wait-enabled AutoSaveMenu_CheckBox 0 10
must "page 3's box follows auto-save" wait-enabled AutoSaveOn_CheckBox 0 10
ok "page 2 changed"

must "page 3" page 2 10
must "notice switched off" click Dialog_CheckBox
must "notice unchecked" wait-checked Dialog_CheckBox 0 10
must "double click saves" click Save_RadioButton
must "save radio checked" wait-checked Save_RadioButton 1 10
must "none radio unchecked" wait-checked None_RadioButton 0 10
ok "page 3 changed"

# 3. A new folder chain typed, OK, and Yes to creating it.
must "page 2 again" page 1 10
expect_full_folder "$program_folder"
chain=$(win_path "$work/logs/a/b")
must "folder typed" set-text SaveFolder_Edit "$chain"
must "OK" click OK_Button
# While the question is up the window takes no clicks: OK again would start a
# second commit inside the first.
must "window disabled under the question" wait-window-enabled form 0 20
must "a click on OK under the question" real-click OK_Button
must "question answered with Yes" real-answer-box warning ask-create-folder yes 20
must "OK hides the window" wait-shown 0 20
must "no second question" wait-no-dialog warning 10
must "window enabled again" wait-window-enabled form 1 10
must "taskbar entry gone with the window" wait-taskbar 0 10
[[ -d $work/logs/a/b ]] || fail "the folder chain was not created"
ok "folder chain created"
expect_ini Setting_GroupBox OrvexLogPath "$chain"
expect_ini FileName_GroupBox TopFileName_Edit LOG
expect_ini FileName_GroupBox Year4_RadioButton 1
expect_ini FileName_GroupBox Year2_RadioButton 0
expect_ini FileName_GroupBox Plain_RadioButton3 1
expect_ini File_TabSheet Plain_RadioButton 1
expect_ini File_TabSheet RichText_RadioButton 0
expect_ini AutoSave_GroupBox AutoSave_TrackBar 115
expect_ini AutoSave_GroupBox AutoSave_CheckBox 0
expect_ini Setting_GroupBox Dialog_CheckBox 0
expect_ini Setting_GroupBox Save_RadioButton 1
expect_ini Setting_GroupBox None_RadioButton 0

# 4. Reopened: page 1 and the prefix box again, whichever page was last;
# nothing left to commit.
must "shown again" show 30
must "page 1 active again" wait-page 0 10
must "focus in the prefix box again" wait-focus TopFileName_Edit 10
must "update button disabled after OK" wait-enabled Save_Button 0 5

# 5. キャンセル throws changes away: the window hides and shows the stored state.
cp "$ini" "$work/committed.ini"
must "month box clicked" click Month_CheckBox
must "month box unchecked" wait-checked Month_CheckBox 0 10
must "more prefix typed" type TopFileName_Edit X
must "prefix shown" wait-text TopFileName_Edit LOGX 10
must "page 2 for the folder" page 1 10
expect_full_folder "$chain"
must "other folder typed" set-text SaveFolder_Edit "$(win_path "$work/elsewhere")"
must "cancel" click Cancel_Button
must "cancel hides the window" wait-shown 0 20
cmp -s "$ini" "$work/committed.ini" || fail "cancel changed the settings file"
must "shown after cancel" show 30
must "month box reloaded" wait-checked Month_CheckBox 1 10
must "prefix reloaded" wait-text TopFileName_Edit LOG 10
must "update button disabled after cancel" wait-enabled Save_Button 0 5
must "page 2 after cancel" page 1 10
expect_full_folder "$chain"
ok "cancel restored the stored settings"

# 6. A missing folder and No: the typed folder is dropped, the stored one
# comes back, the rest is written, and the window stays (設定の更新).
missing=$(win_path "$work/missing/folder")
must "missing folder typed" set-text SaveFolder_Edit "$missing"
must "text format off again" click RichText_RadioButton
must "update" click Save_Button
must "question answered with No" answer-box warning ask-create-folder no 20
must "the window is active again after the question" wait-active 10
must "update button disabled after the update" wait-enabled Save_Button 0 10
drive wait-shown 1 1 || fail "the update button hid the window"
[[ ! -e $work/missing ]] || fail "the refused folder was created"
expect_ini Setting_GroupBox OrvexLogPath "$chain"
expect_ini File_TabSheet RichText_RadioButton 1
expect_full_folder "$chain"
ok "refused folder dropped"

# 7. Yes, but nothing can come of it: a drive that does not exist, a doubled
# final backslash. The error follows, and the stored folder stays.
[[ ! -e $WINEPREFIX/dosdevices/q: ]] || fail "this prefix has a drive Q:"
for missing in "Q:\\" "$(win_path "$work/never")\\\\"; do
    must "folder typed" set-text SaveFolder_Edit "$missing"
    must "update" click Save_Button
    must "question answered with Yes" answer-box warning ask-create-folder yes 20
    must "the folder was not created" answer-box error folder-not-created ok 20
    must "update button disabled after the update" wait-enabled Save_Button 0 10
    expect_ini Setting_GroupBox OrvexLogPath "$chain"
    expect_full_folder "$chain"
done
[[ ! -e $work/never ]] || fail "a folder was created for the doubled backslash"
ok "a folder that was not created is not stored"

# 8. The prefix box takes at most 14 bytes as typed: 1 + 7 double-byte
# characters (15 bytes) keep only 6 of them, and a further character fits.
must "page 1 for the prefix" page 0 10
must "prefix cleared" set-text TopFileName_Edit ""
must "prefix empty" wait-text TopFileName_Edit "" 10
must "one byte typed" type TopFileName_Edit A
must "seven double-byte characters typed" type-named TopFileName_Edit double-byte-sample
must "one more byte typed" type TopFileName_Edit B
expected="A$(drive named double-byte-sample | head -c 12)B"
wait_prefix() { [[ $(drive text TopFileName_Edit) == "$expected" ]]; }
wait_until 10 "the prefix box to hold 14 bytes" wait_prefix || fail "prefix box limit"
ok "prefix box limited to 14 bytes"
must "cancel the typing" click Cancel_Button
must "hidden" wait-shown 0 20

# 9. A save folder stored relative, as on a USB stick that may come back under
# another drive letter: the commit of another setting keeps it as stored, and
# the next save writes into that folder in the program's folder.
mkdir -p "$work/app/logs"
sed -i 's/^OrvexLogPath=.*$/OrvexLogPath=logs\r/' "$ini"
must "shown to reload" show 30
must "cancel reloads the settings" click Cancel_Button
must "hidden" wait-shown 0 20
must "shown again" show 30
must "page 2 for the folder" page 1 10
must "the folder as stored" wait-text SaveFolder_Edit logs 10
must "text format clicked" click Plain_RadioButton
must "OK" click OK_Button
must "OK hides the window, asking nothing" wait-shown 0 20
expect_ini File_TabSheet Plain_RadioButton 1
expect_ini Setting_GroupBox OrvexLogPath logs
props_standin --companion=100
ui tray TMainForm left S 30 || fail "save command"
logged() { [[ -n $(find "$work/app/logs" -name 'LOG*.txt') ]]; }
wait_until 60 "the log in the program folder's logs" logged ||
    fail "no log in the program folder's logs: $(find "$work" -name 'LOG*' | paste -sd ' ')"
ok "a relative save folder stays as stored and takes the log: $(find "$work/app/logs" -name 'LOG*' -printf '%f')"

# 10. A relative folder typed whose first folder is in the program folder:
# Yes creates it there, not in the folder the program was started from (this
# script's, which has no logs of its own), and it is stored as typed.
[[ ! -e $PWD/logs ]] || fail "the current folder $PWD has a logs folder: the step cannot tell where it creates"
must "shown for a new folder" show 30
must "page 2 for the folder" page 1 10
expect_full_folder logs
must "relative folder typed" set-text SaveFolder_Edit 'logs\new'
must "update" click Save_Button
must "question answered with Yes" answer-box warning ask-create-folder yes 20
must "update button disabled after the update, with no error" wait-enabled Save_Button 0 10
[[ -d $work/app/logs/new ]] || fail "the relative folder was not created in the program folder"
[[ ! -e $PWD/logs ]] || fail "a folder was created in the current folder"
expect_ini Setting_GroupBox OrvexLogPath 'logs\new'
must "cancel" click Cancel_Button
must "hidden" wait-shown 0 20
ok "a relative folder typed is created in the program folder"

# 11. Exit from the tray menu ends the program.
props_stop_app
echo "properties window: all checks passed"
