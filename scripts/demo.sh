#!/usr/bin/env bash
# The program's main job, on a machine without a desktop: under Wine on a
# virtual display, the stand-in shows the companion's coloured log, OrvexLog
# saves it, and the command prints where the file went. Installs whatever is
# missing first.
#   scripts/demo.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# What is missing is installed first; then the demo starts again in a new
# shell. A shell that was running when the Japanese locale was generated keeps
# the locale data it loaded at its start and cannot switch to ja_JP.UTF-8, so
# setting up Wine's environment in it would only print setlocale warnings.
if [[ -z ${ORVEXLOG_DEMO_READY:-} ]]; then
    bash scripts/install-deps.sh
    ORVEXLOG_DEMO_READY=1 exec bash "$root/scripts/demo.sh" "$@"
fi
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

build=$root/build/win32
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j2 --target OrvexLog host_standin ui_driver

demo=$root/build/demo
rm -rf "$demo"
mkdir -p "$demo"
standin= app=
cleanup() {
    [[ -n $app ]] && stop_process "$app"
    [[ -n $standin ]] && stop_process "$standin"
    wine_session_stop "$demo/wine"
}
trap cleanup EXIT

echo "Starting Wine on a virtual display (first boot of a fresh prefix)..."
wine_session_start "$demo/wine"
wine_session_env "$demo/wine"

# The companion's log window with its coloured Japanese chat log.
title="LogDisplay (100%)"
wine "$build/host_standin.exe" --companion=100 --ready="$(win_path "$demo/standin.ready")" \
    </dev/null >"$demo/standin.log" 2>&1 &
standin=$!
wait_until 60 "the companion's log window" test -s "$demo/standin.ready"
WINE_SESSION_DIR=$demo/wine bash scripts/screenshot.sh "$title" "$demo/companion-log.png" >/dev/null
echo "The companion's log window \"$title\" is on screen; picture: $demo/companion-log.png"

drive() { wine "$build/ui_driver.exe" "$@" </dev/null 2>>"$demo/driver.log"; }

# OrvexLog unpacked in a folder of its own, saving into build/demo/logs.
mkdir -p "$demo/OrvexLog" "$demo/logs"
cp "$build/OrvexLog.exe" "$demo/OrvexLog/"
printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\n' "$(win_path "$demo/logs")" >"$demo/OrvexLog/OrvexLog.ini"
wine "$demo/OrvexLog/OrvexLog.exe" </dev/null >"$demo/orvexlog.log" 2>&1 &
app=$!
drive wait-window TMainForm - 60
startup_over "$build/ui_driver.exe" 60 || { echo "OrvexLog's start-up did not end" >&2; exit 1; }
echo "OrvexLog.exe runs in the tray; choosing 保存(&S) from its menu..."
# A left press on the icon, as the shell sends it, and 保存(&S) from its menu.
drive tray TMainForm left S 30
drive wait-visible TDialogForm 120
WINE_SESSION_DIR=$demo/wine bash scripts/screenshot.sh "保存ログ情報" "$demo/notice.png" >/dev/null
drive post TDialogForm 0x111 1 0
drive tray TMainForm right X 30
wait_until 30 "OrvexLog to end" _gone "$app"
app=
saved=$(find "$demo/logs" -maxdepth 1 -name '*.rtf' | sort | tail -n 1)
[[ -n $saved ]] || { echo "no log was saved" >&2; exit 1; }
echo "Saved the log: $saved ($(stat -c %s "$saved") bytes of Rich Text; as Windows sees it: $(win_path "$saved"))"
echo "The notice after the save: $demo/notice.png"
