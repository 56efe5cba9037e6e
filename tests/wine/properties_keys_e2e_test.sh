#!/usr/bin/env bash
# End to end with the real OrvexLog.exe under Wine: the properties window
# driven by the keyboard alone, the keys posted to the focused control as
# the keyboard would deliver them through the program's message loop: Tab
# through the controls and into the page tabs, Space on a check box, an
# arrow key choosing in a radio group, the arrows switching pages, Enter and
# Escape harmless, Space on キャンセル.
#   properties_keys_e2e_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

# shellcheck source=tests/wine/props_lib.sh
source "$here/props_lib.sh"
props_begin properties_keys
VK_TAB=0x09 VK_RETURN=0x0D VK_ESCAPE=0x1B VK_SPACE=0x20 VK_RIGHT=0x27
# press FROM KEY TO: a key on the focused control FROM; the focus is then on TO.
press() {
    must "focus on $1" wait-focus "$1" 10
    must "key $2 on $1" key "$1" "$2"
    must "focus moves to $3" wait-focus "$3" 10
}

props_start_app
must "window shown" show 30

press TopFileName_Edit $VK_TAB Year_CheckBox
press Year_CheckBox $VK_SPACE Year_CheckBox
must "space unchecks" wait-checked Year_CheckBox 0 10
must "the year digits follow" wait-enabled Year2_RadioButton 0 10
press Year_CheckBox $VK_SPACE Year_CheckBox
must "space checks" wait-checked Year_CheckBox 1 10
press Year_CheckBox $VK_TAB Year2_RadioButton
press Year2_RadioButton $VK_RIGHT Year4_RadioButton
must "the arrow chooses" wait-checked Year4_RadioButton 1 10
must "and marks changed" wait-enabled Save_Button 1 10
press Year4_RadioButton $VK_TAB Month_CheckBox
press Month_CheckBox $VK_TAB Day_CheckBox
press Day_CheckBox $VK_TAB Number_CheckBox
press Number_CheckBox $VK_TAB Plain_CheckBox
press Plain_CheckBox $VK_TAB Plain_RadioButton1
press Plain_RadioButton1 $VK_TAB PageControl
press PageControl $VK_RIGHT PageControl
must "the arrow switches to page 2" wait-page 1 10
press PageControl $VK_TAB OK_Button
press OK_Button $VK_TAB Cancel_Button
press Cancel_Button $VK_TAB Save_Button
press Save_Button $VK_TAB RichText_RadioButton
echo "ok: Tab, Space and the arrows"

# Enter and Escape have no default or cancel button to press here: the
# window stays as it is.
press RichText_RadioButton $VK_RETURN RichText_RadioButton
press RichText_RadioButton $VK_ESCAPE RichText_RadioButton
drive wait-shown 1 1 || fail "Enter or Escape hid the window"
[[ ! -e $work/app/OrvexLog.ini ]] || fail "Enter or Escape wrote the settings"
echo "ok: Enter and Escape change nothing"

press RichText_RadioButton $VK_TAB SaveFolder_Edit
press SaveFolder_Edit $VK_TAB SaveFolder_Button
press SaveFolder_Button $VK_TAB AutoSave_CheckBox
press AutoSave_CheckBox $VK_TAB AutoSaveMenu_CheckBox
press AutoSaveMenu_CheckBox $VK_TAB AutoSave_TrackBar
press AutoSave_TrackBar $VK_TAB PageControl
press PageControl $VK_TAB OK_Button
press OK_Button $VK_TAB Cancel_Button
must "space on cancel" key Cancel_Button $VK_SPACE
must "cancel hides" wait-shown 0 20
[[ ! -e $work/app/OrvexLog.ini ]] || fail "cancel wrote the settings"

wine "$build/ui_driver.exe" post TMainForm 0x111 202 0 </dev/null >>"$work/driver.log" 2>&1 || fail "exit command"
wait_until 30 "OrvexLog to end" _gone "$app" || fail "OrvexLog did not end"
app=
echo "properties keys: all checks passed"
