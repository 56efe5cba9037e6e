#!/usr/bin/env bash
# End to end with the real OrvexLog.exe under Wine: the properties window's
# controls are built only when it is first shown, long after start-up loaded
# the settings file; they must show what was loaded, with the reactions that
# loading raised (disabled year choices, minutes label, sample name), and
# nothing left to commit; and the window opens where it was stored, unless
# that is off every screen. The window is opened by real mouse clicks on the
# icon in Wine's notification area: one click opens the left-button menu, a
# double click runs its action (here: show the window), and a right click
# then 「プロパティ(&R)」 shows it too, whole, with the four pages' controls.
#   properties_first_show_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

# shellcheck source=tests/wine/props_lib.sh
source "$here/props_lib.sh"
props_begin properties-first-show

printf '%s\r\n' \
    '[FileName_GroupBox]' 'TopFileName_Edit=LOG' 'Year_CheckBox=0' 'Plain_RadioButton1=0' 'Plain_RadioButton2=1' \
    '[File_TabSheet]' 'RichText_RadioButton=0' 'Plain_RadioButton=1' \
    '[AutoSave_GroupBox]' 'AutoSave_TrackBar=115' \
    '[Setting_GroupBox]' 'Dialog_CheckBox=0' 'MainForm_RadioButton=1' '[FormPosition]' 'MainTop=-20' 'MainLeft=100' >"$work/app/OrvexLog.ini"

props_start_app

tray_icon_click "$build/ui_driver.exe" 1 || fail "no icon in Wine's notification area"
ui wait-menu TMainForm 1 10 || fail "one click on the icon opened no menu"
xdotool mousemove 900 900 click 1
ui wait-menu TMainForm 0 10 || fail "a click elsewhere left the menu open"
must "one click shows nothing" wait-shown 0 1
tray_icon_click "$build/ui_driver.exe" 1 2
must "window shown by a double click on the icon" wait-shown 1 30
ui wait-menu TMainForm 0 10 || fail "the double click left the menu open"
# A stored position partly off screen is kept.
[[ $(ui rect TMainForm | tr -d '\r') == "100 -20 "* ]] || fail "opened at $(ui rect TMainForm), not 100,-20"
must "page 1 active" wait-page 0 10
must "prefix loaded" wait-text TopFileName_Edit LOG 10
must "year box unchecked" wait-checked Year_CheckBox 0 5
must "two-digit year disabled with the year box" wait-enabled Year2_RadioButton 0 5
must "four-digit year disabled with the year box" wait-enabled Year4_RadioButton 0 5
must "parentheses chosen" wait-checked Plain_RadioButton2 1 5
must "underscore not chosen" wait-checked Plain_RadioButton1 0 5
sample=$(drive text FileNameSample_Label)
# Prefix, no year, month and day, "(" number ")", text format.
[[ $sample == *"LOG$(date +%m%d)(1).txt" ]] || fail "the sample name shows the loaded pattern: '$sample'"
must "nothing to commit" wait-enabled Save_Button 0 5
ok "page 1 shows the loaded settings"

must "page 2" page 1 10
must "text format loaded" wait-checked Plain_RadioButton 1 5
must "rich text not chosen" wait-checked RichText_RadioButton 0 5
must "115 minutes" wait-minutes AutoSave_Label 115 5
must "page 3" page 2 10
must "notice switched off" wait-checked Dialog_CheckBox 0 5
ok "pages 2 and 3 show the loaded settings"

must "hidden" click Cancel_Button
must "hidden" wait-shown 0 20
tray_icon_click "$build/ui_driver.exe" 3 || fail "no icon in Wine's notification area"
ui wait-menu TMainForm 1 10 || fail "a right click on the icon opened no menu"
menu_top_item_click "$build/ui_driver.exe"
must "window shown by the menu's properties item" wait-shown 1 30
must "layout dumped" dump "$work/layout.txt"
python3 "$here/check_layout.py" "$work/layout.txt" "$(drive dpi | tr -d "\r")" || fail "the window is not whole"
ok "opened by real clicks on the icon: one click the menu, a double click and the menu's item the whole window"

# At 144 DPI the box is half as wide again and so is its font: a folder that
# fits the box there but not the 96-DPI width shows whole from the first show.
props_stop_app
props_set_dpi 144
folder='C:\Orvex chat\saved logs\2026'
# Stored on a monitor that has gone since: wholly off every screen.
printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\n[FormPosition]\r\nMainTop=-4000\r\nMainLeft=5000\r\n' "$folder" \
    >"$work/app/OrvexLog.ini"
props_start_app
must "window shown at 144 DPI" show 30
ui on-screen TMainForm || fail "a window stored off every screen opened at $(ui rect TMainForm)"
ok "a stored position partly off screen kept, one off every screen brought onto it"
must "page 2" page 1 10
must "the whole folder shown at 144 DPI" wait-text SaveFolder_Edit "$folder" 5
must "nothing to commit" wait-enabled Save_Button 0 5
ok "the save folder fits the box at 144 DPI"
# A save never holds the window: keys typed during its copy land in the
# prefix box at once, a key typed before the tray menu opens in the same save
# chooses none of its items, and the host's answer writes the log under the
# menu left open. The host holds its copy until the menu is open.
mkdir -p "$work/logs"
printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\n' "$(win_path "$work/logs")" >"$work/app/OrvexLog.ini"
props_standin --companion=100 --slow-copy=120
must "page 1" page 0 10
must "prefix box emptied" set-text TopFileName_Edit ""
must "prefix box clicked" real-click TopFileName_Edit
ui tray TMainForm left S 30 || fail "save command"
wait_until 30 "the slow copy" grep -q '^copying=1' "$work/ready.txt"
for key in 0x41 0x42 0x43; do must "key $key during the copy" stroke TopFileName_Edit "$key"; done
must "abc in the prefix box during the copy" wait-text TopFileName_Edit abc 10
must "x typed" stroke TopFileName_Edit 0x58
tray_icon_click "$build/ui_driver.exe" 3 || fail "no icon in Wine's notification area"
ui wait-menu TMainForm 1 10 || fail "the right click during the copy opened no menu"
release_copy 1
some_log() { [[ -n $(find "$work/logs" -name '*.rtf') ]]; }
wait_until 30 "the log under the open menu" some_log
ui wait-menu TMainForm 1 0 || fail "the menu closed before the log was written"
kill -0 "$app" 2>/dev/null || fail "the key typed before the menu ended the program"
ui menu-close TMainForm || fail "the menu did not close"
must "abcx in the prefix box" wait-text TopFileName_Edit abcx 5
ui wait-visible TDialogForm 30 || fail "no notice once the menu closed"
must "notice answered" real-click-text TDialogForm OK
ui wait-hidden TDialogForm 10 || fail "the notice stayed"
ok "typing during a save landed at once; a key before the menu chose nothing; the log came under the open menu"
props_stop_app
