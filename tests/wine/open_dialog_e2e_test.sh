#!/usr/bin/env bash
# End to end with the real OrvexLog.exe under Wine: turning on the start-up
# launch locates a host program through the real open-file dialog. With the
# companion installed and no path stored: its warning, the dialog in
# companion mode, notepad.exe refused with the message while the dialog stays
# open (and takes no input while the message is up), QUORLA.EXE accepted in
# any letter case and stored at once, the properties window disabled under
# the dialog and active again with the focus where it was. Then the
# chat client's dialog (its folder lands in orvex3.ini), a cancelled dialog
# leaving the update button as it was, and forgetting the companion path.
#   open_dialog_e2e_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

# shellcheck source=tests/wine/props_lib.sh
source "$here/props_lib.sh"
props_begin open_dialog
mkdir -p "$work/Quorla" "$work/Orvex3"
windir=$WINEPREFIX/drive_c/windows
# The prefix's Windows folder is shared by the run: put back what we change.
saved=$work/saved-windir
mkdir -p "$saved"
for f in Quorla.ini orvex3.ini; do [[ -e $windir/$f ]] && cp -p "$windir/$f" "$saved/$f"; done
restore_windir() {
    for f in Quorla.ini orvex3.ini; do
        rm -f "$windir/$f"
        if [[ -e $saved/$f ]]; then cp -p "$saved/$f" "$windir/$f"; fi
    done
}
props_cleanup=restore_windir

ini=$work/app/OrvexLog.ini
value_in() { tr -d '\r' <"$1" | sed -n "/^\[$2\]/,/^\[/s/^$3=//p" | head -n 1; }
has_key() { tr -d '\r' <"$1" | sed -n "/^\[$2\]/,/^\[/p" | grep -q "^$3="; }

# The companion is installed (its marker file); the chat client's INI has no
# folder yet.
echo "[Quorla]" >"$windir/Quorla.ini"
rm -f "$windir/orvex3.ini"

props_start_app
must "window shown" show 30
must "page 3" page 2 10

# 1. Companion mode: refused, then accepted.
must "start-up launch turned on" click Create_CheckBox
must "companion warning" answer-box warning quorla-installed ok 20
must "properties window disabled under the dialog" wait-window-enabled form 0 10
must "notepad.exe chosen" file-dialog quorla-dialog notepad.exe 20
must "the dialog disabled under the refusal" wait-window-enabled quorla-dialog 0 10
must "notepad.exe refused with the message" answer-box error only-quorla ok 20
must "the dialog stays open" wait-dialog quorla-dialog 10
must "the dialog enabled again" wait-window-enabled quorla-dialog 1 10
companion=$(win_path "$work/Quorla")\\QUORLA.EXE
must "QUORLA.EXE chosen" file-dialog quorla-dialog "$companion" 20
must "the dialog closes" wait-no-dialog quorla-dialog 20
must "properties window enabled again" wait-window-enabled form 1 10
must "properties window active again" wait-active 10
must "focus back on the option" wait-focus Create_CheckBox 10
must "the option is on" wait-checked Create_CheckBox 1 10
must "delete button enabled" wait-enabled DeleteQuorlaPath_Button 1 10
must "marked changed" wait-enabled Save_Button 1 10
[[ $(value_in "$ini" Setting_GroupBox QuorlaPath) == "$companion" ]] || fail "QuorlaPath not stored at once"
ok "companion path stored as chosen: $companion"

# 2. With a companion path stored and no chat-client folder, turning the
# option on asks for the chat client. First cancelled: the option goes off
# and the update button is as it was before the click (disabled after the
# commit).
must "option off" click Create_CheckBox
must "option unchecked" wait-checked Create_CheckBox 0 10
must "commit" click Save_Button
must "update button disabled" wait-enabled Save_Button 0 10
must "option on again" click Create_CheckBox
must "chat-client warning" answer-box warning specify-orvex ok 20
must "dialog cancelled" cancel-dialog orvex-dialog 20
must "dialog closed" wait-no-dialog orvex-dialog 20
must "option cleared" wait-checked Create_CheckBox 0 10
must "update button as before the click" wait-enabled Save_Button 0 10
[[ ! -e $windir/orvex3.ini ]] || ! has_key "$windir/orvex3.ini" ORVEX ProductHDRoot || fail "a cancel wrote orvex3.ini"
ok "cancelled dialog changes nothing"

# 3. The chat client's executable in any letter case: its folder goes to
# orvex3.ini at once.
must "option on once more" click Create_CheckBox
must "chat-client warning again" answer-box warning specify-orvex ok 20
must "ORVEX.EXE chosen" file-dialog orvex-dialog "$(win_path "$work/Orvex3")\\ORVEX.EXE" 20
must "dialog closed" wait-no-dialog orvex-dialog 20
must "option on" wait-checked Create_CheckBox 1 10
[[ $(value_in "$windir/orvex3.ini" ORVEX ProductHDRoot) == "$(win_path "$work/Orvex3")" ]] ||
    fail "ProductHDRoot not stored"
ok "chat client folder stored"

# 4. Forgetting the companion: the key stays, empty; the option goes off.
must "delete" click DeleteQuorlaPath_Button
must "delete button disabled" wait-enabled DeleteQuorlaPath_Button 0 10
must "option off" wait-checked Create_CheckBox 0 10
has_key "$ini" Setting_GroupBox QuorlaPath || fail "the QuorlaPath key was removed"
[[ -z $(value_in "$ini" Setting_GroupBox QuorlaPath) ]] || fail "QuorlaPath not emptied"
ok "companion path forgotten"

must "cancel" click Cancel_Button
must "hidden" wait-shown 0 20
props_stop_app
echo "open-file dialog: all checks passed"
