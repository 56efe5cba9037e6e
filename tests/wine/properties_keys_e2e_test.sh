#!/usr/bin/env bash
# End to end with the real OrvexLog.exe under Wine: the properties window
# driven by the keyboard alone. Plain keys are posted to the focused control
# as the keyboard would deliver them through the program's message loop;
# keys with Shift or Ctrl held are typed through the system's input. Tab and
# Shift+Tab go round the page tabs, the page's controls, OK, キャンセル and
# 設定の更新; the arrows choose in a radio group in its tab order;
# Ctrl+Tab and Ctrl+PageDown switch pages from anywhere; Tab into a group with
# nothing chosen chooses nothing; Enter and Escape are harmless; Space on
# キャンセル hides the window.
#   properties_keys_e2e_test.sh BUILD_DIR
# lane: c
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

# shellcheck source=tests/wine/props_lib.sh
source "$here/props_lib.sh"
props_begin properties_keys
VK_TAB=0x09 VK_RETURN=0x0D VK_ESCAPE=0x1B VK_SPACE=0x20 VK_PRIOR=0x21 VK_NEXT=0x22 VK_LEFT=0x25 VK_RIGHT=0x27
VK_DOWN=0x28
# press FROM KEY TO: a key on the focused control FROM; the focus is then on
# TO. KEY is a code (posted) or ctrl+/shift+ and a code (typed).
press() {
    must "focus on $1" wait-focus "$1" 10
    if [[ $2 == *+* ]]; then
        must "key $2 on $1" stroke "$1" "$2"
    else
        must "key $2 on $1" key "$1" "$2"
    fi
    must "key $2 on $1: focus moves to $3" wait-focus "$3" 10
}
# tab_round KEY FROM TO...: KEY pressed from FROM reaches each TO in turn.
tab_round() {
    local key=$1 from=$2
    shift 2
    for to in "$@"; do
        press "$from" "$key" "$to"
        from=$to
    done
}

# Both save formats stored off: neither radio button of the format is chosen.
printf '[File_TabSheet]\r\nRichText_RadioButton=0\r\nPlain_RadioButton=0\r\n' >"$work/app/OrvexLog.ini"
props_start_app
must "window shown" show 30

# Page 1 with nothing to commit (設定の更新 disabled is no stop).
tab_round $VK_TAB TopFileName_Edit Year_CheckBox Year2_RadioButton Month_CheckBox Day_CheckBox Number_CheckBox \
    Plain_CheckBox Plain_RadioButton1 OK_Button Cancel_Button PageControl TopFileName_Edit
tab_round shift+$VK_TAB TopFileName_Edit PageControl Cancel_Button OK_Button Plain_RadioButton1 Plain_CheckBox
ok "Tab and Shift+Tab: tabs, page, OK, キャンセル, tabs"

# Ctrl+Tab from a control of the page: page 2, the focus on its first control,
# the format group where nothing is chosen, which begins with text format in
# its tab order, and nothing chosen by the move.
press Plain_CheckBox ctrl+$VK_TAB Plain_RadioButton
must "Ctrl+Tab switches to page 2" wait-page 1 10
press Plain_RadioButton shift+$VK_TAB PageControl
press PageControl $VK_TAB Plain_RadioButton
must "Tab into the group chooses nothing" wait-checked Plain_RadioButton 0 5
drive wait-checked RichText_RadioButton 0 1 || fail "Tab into the group chose rich text"
drive wait-enabled Save_Button 0 1 || fail "Tab into the group marked the settings changed"
# Windows' radio buttons report a click when they only gain the focus; the
# driver returns once the window has handled the report.
must "focus click handled" focus-click Plain_RadioButton
drive wait-checked Plain_RadioButton 1 1 2>/dev/null && fail "a focus click chose text format"
drive wait-enabled Save_Button 0 1 || fail "a focus click marked the settings changed"
ok "Tab into a group with nothing chosen chooses nothing"
press Plain_RadioButton $VK_SPACE Plain_RadioButton
must "Space chooses" wait-checked Plain_RadioButton 1 10
must "and marks changed" wait-enabled Save_Button 1 10
press Plain_RadioButton $VK_DOWN RichText_RadioButton
must "the arrow chooses" wait-checked RichText_RadioButton 1 10
tab_round $VK_TAB RichText_RadioButton SaveFolder_Edit SaveFolder_Button AutoSave_CheckBox AutoSaveMenu_CheckBox \
    AutoSave_TrackBar OK_Button Cancel_Button Save_Button PageControl
ok "page 2 in order, 設定の更新 included once enabled"

# Page switching from the tabs and the buttons keeps the focus where it is.
page_key() { press "$1" "$2" "$1" && must "$2 from $1: page $3" wait-page "$3" 10; }
page_key PageControl ctrl+$VK_PRIOR 0
page_key PageControl ctrl+$VK_NEXT 1
page_key PageControl ctrl+shift+$VK_TAB 0
page_key PageControl ctrl+shift+$VK_TAB 3
page_key PageControl ctrl+$VK_TAB 0
tab_round shift+$VK_TAB PageControl Save_Button Cancel_Button
page_key Cancel_Button ctrl+$VK_NEXT 1
page_key Cancel_Button ctrl+$VK_PRIOR 0
ok "Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown, Ctrl+PageUp"

# Space on a check box; the arrows in the radio groups, in their tab order,
# which for the separators is not their order on screen.
tab_round $VK_TAB Cancel_Button Save_Button PageControl TopFileName_Edit Year_CheckBox
press Year_CheckBox $VK_SPACE Year_CheckBox
must "space unchecks" wait-checked Year_CheckBox 0 10
must "the year digits follow" wait-enabled Year2_RadioButton 0 10
press Year_CheckBox $VK_SPACE Year_CheckBox
must "space checks" wait-checked Year_CheckBox 1 10
press Year_CheckBox $VK_TAB Year2_RadioButton
press Year2_RadioButton $VK_RIGHT Year4_RadioButton
must "the arrow chooses" wait-checked Year4_RadioButton 1 10
tab_round $VK_TAB Year4_RadioButton Month_CheckBox Day_CheckBox Number_CheckBox Plain_CheckBox Plain_RadioButton1
tab_round $VK_RIGHT Plain_RadioButton1 Plain_RadioButton3 Plain_RadioButton2 Plain_RadioButton1
must "the arrows choose as they go" wait-checked Plain_RadioButton1 1 10
tab_round $VK_LEFT Plain_RadioButton1 Plain_RadioButton2 Plain_RadioButton3
must "back to the blank" wait-checked Plain_RadioButton3 1 10
ok "Space and the arrows"

# Enter and Escape have no default or cancel button to press here: the
# window stays as it is. They leave the focus where it is, so the check
# waits for a key after them: the window takes posted keys before typed
# ones, and Ctrl+Tab typed then moves the focus only once they are handled.
press Plain_RadioButton3 $VK_RETURN Plain_RadioButton3
press Plain_RadioButton3 $VK_ESCAPE Plain_RadioButton3
press Plain_RadioButton3 ctrl+$VK_TAB RichText_RadioButton
drive wait-shown 1 1 || fail "Enter or Escape hid the window"
[[ $(tr -d '\r' <"$work/app/OrvexLog.ini") == *RichText_RadioButton=0* ]] || fail "Enter or Escape wrote the settings"
ok "Enter and Escape change nothing"

# Page 3's double-click choices follow the arrows down.
press RichText_RadioButton ctrl+$VK_TAB Create_CheckBox
tab_round $VK_TAB Create_CheckBox Dialog_CheckBox AutoSaveOn_CheckBox None_RadioButton
tab_round $VK_DOWN None_RadioButton Save_RadioButton MainForm_RadioButton
tab_round $VK_TAB MainForm_RadioButton OK_Button Cancel_Button
must "space on cancel" key Cancel_Button $VK_SPACE
must "cancel hides" wait-shown 0 20
[[ $(tr -d '\r' <"$work/app/OrvexLog.ini") == *RichText_RadioButton=0* ]] || fail "cancel wrote the settings"

props_stop_app
echo "properties keys: all checks passed"
