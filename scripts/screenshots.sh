#!/usr/bin/env bash
# Pictures of what a user sees, taken under Wine on a virtual display at
# 96 DPI: the four pages of the properties window, the saved-log notice, the
# question about a missing save folder and the open-file dialog for the chat
# client's executable; and the four pages and the notice again at 144 and
# 192 DPI (150 % and 200 %: *-144.png, *-192.png). Builds what is missing
# first.
#   scripts/screenshots.sh [OUTPUT_DIR]     (default: docs/screenshots)
# ORVEXLOG_BUILD names another Windows build folder than build/win32.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
out=$(realpath -m "${1:-$root/docs/screenshots}")

build=$(realpath -m "${ORVEXLOG_BUILD:-$root/build/win32}")
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j2 --target OrvexLog host_standin ui_driver props_driver >/dev/null

work=$root/build/screenshots
rm -rf "$work"
mkdir -p "$work/OrvexLog" "$work/logs" "$out"
standin= app=
cleanup() {
    [[ -n $app ]] && stop_process "$app"
    [[ -n $standin ]] && stop_process "$standin"
    wine_session_stop "$work/wine"
}
trap cleanup EXIT

fail() {
    echo "screenshots: $*" >&2
    [[ -s $work/driver.log ]] && cat "$work/driver.log" >&2
    exit 1
}
# A fresh session of our own: the pictures show a first start, whatever
# another run left in a shared prefix.
wine_session_start "$work/wine" >/dev/null
wine_session_env "$work/wine"

drive() { wine "$build/props_driver.exe" "$@" </dev/null 2>>"$work/driver.log"; }
ui() { wine "$build/ui_driver.exe" "$@" </dev/null 2>>"$work/driver.log"; }
must() {
    local what=$1
    shift
    drive "$@" || fail "$what"
}
# shot TEXT-NAME|- FILE: photograph the window titled with a named text (or
# the properties window).
shot() {
    local title_file=$work/title.txt
    if [[ $1 == - ]]; then
        drive title-utf8 "$title_file"
    else
        drive text-utf8 "$1" "$title_file"
    fi
    WINE_SESSION_DIR=$work/wine bash "$root/scripts/screenshot.sh" "$(cat "$title_file")" "$out/$2" >/dev/null ||
        fail "no picture of $2"
    echo "$out/$2"
}

# The companion's log window, for the save that brings up the notice.
wine "$build/host_standin.exe" --companion=100 --ready="$(win_path "$work/standin.ready")" \
    </dev/null >"$work/standin.log" 2>&1 &
standin=$!
wait_until 60 "the companion's log window" test -s "$work/standin.ready"

cp "$build/OrvexLog.exe" "$work/OrvexLog/"
printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\n' 'C:\OrvexLog\logs' >"$work/OrvexLog/OrvexLog.ini"
# Started in its own folder, as from Explorer (the open-file dialog shows
# the current folder where the system cannot open the initial one).
(cd "$work/OrvexLog" && exec wine "$work/OrvexLog/OrvexLog.exe" </dev/null >"$work/orvexlog.log" 2>&1) &
app=$!
must "OrvexLog started" wait-program 60
startup_over "$build/ui_driver.exe" 60 || fail "OrvexLog's start-up did not end"

# The four pages, the window opened as a user does: a real right click on
# the icon in Wine's notification area, then the menu's 「プロパティ(&R)」.
tray_icon_click "$build/ui_driver.exe" 3 || fail "no icon in Wine's notification area"
ui wait-menu TMainForm 1 10 || fail "no menu on a right click"
menu_top_item_click "$build/ui_driver.exe"
must "window shown" wait-shown 1 30
pages=(properties-1-filename properties-2-save properties-3-action properties-4-version)
for i in 0 1 2 3; do
    must "page $((i + 1))" page "$i" 10
    shot - "${pages[$i]}.png"
done

# The question when the typed save folder does not exist.
must "page 2" page 1 10
must "focus in the folder box" mouse-click SaveFolder_Edit
must "focus in the folder box" wait-focus SaveFolder_Edit 10
must "missing folder typed" set-text SaveFolder_Edit 'C:\OrvexLog\new logs'
must "update" click Save_Button
must "question" wait-dialog warning 20
shot warning question-create-folder.png
must "answered No" answer-box warning ask-create-folder no 20

# The open-file dialog for the chat client's executable.
must "page 3" page 2 10
must "start-up launch on" click Create_CheckBox
must "chat client warning" answer-box warning specify-orvex ok 20
must "open-file dialog" wait-dialog orvex-dialog 20
shot orvex-dialog open-file-dialog.png
must "dialog cancelled" cancel-dialog orvex-dialog 20
must "dialog closed" wait-no-dialog orvex-dialog 20
must "window hidden" click Cancel_Button
must "window hidden" wait-shown 0 20

# The notice after a save by a real double click on the icon, set to save;
# its log goes to a folder of this run. SUFFIX names the picture.
notice_shot() {
    printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\nSave_RadioButton=1\r\n' "$(win_path "$work/logs")" \
        >"$work/OrvexLog/OrvexLog.ini"
    tray_icon_click "$build/ui_driver.exe" 1 2 || fail "no icon in Wine's notification area"
    ui wait-visible TDialogForm 120 || fail "no notice"
    shot notice "notice$1.png"
    ui post TDialogForm 0x111 1 0 || true
    ui wait-hidden TDialogForm 30 || true
}
stop_app() {
    ui tray TMainForm right X 30 || true
    wait_until 30 "OrvexLog to end" _gone "$app" || true
    app=
}
notice_shot ""
stop_app

# The same at 150 % and 200 %: the program started again at that DPI.
for dpi in 144 192; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\n' 'C:\OrvexLog\logs' >"$work/OrvexLog/OrvexLog.ini"
    (cd "$work/OrvexLog" && exec wine "$work/OrvexLog/OrvexLog.exe" </dev/null >>"$work/orvexlog.log" 2>&1) &
    app=$!
    must "OrvexLog started at $dpi DPI" wait-program 60
    startup_over "$build/ui_driver.exe" 60 || fail "OrvexLog's start-up did not end"
    must "window shown" show 30
    for i in 0 1 2 3; do
        must "page $((i + 1))" page "$i" 10
        shot - "${pages[$i]}-$dpi.png"
    done
    must "window hidden" click Cancel_Button
    must "window hidden" wait-shown 0 20
    notice_shot "-$dpi"
    stop_app
done
