#!/usr/bin/env bash
# The release zip as a user gets it: packed from this build by
# scripts/release.sh, checked (exactly the exe and the Shift-JIS CRLF readme,
# version 0.50), unpacked into an empty folder of the Wine prefix whose name
# is Japanese (ソ ends in the byte 0x5C), started from there with no settings
# file, one save from the tray menu while the stand-in shows a companion log,
# then exit. The settings file and the log must appear beside the exe, and
# nothing anywhere else. A Release build must be reproducible: the zip that
# release.sh builds from an empty folder is byte for byte this build's.
#   release_zip_test.sh BUILD_DIR
# lane: c
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

work=$build/e2e/release_zip
rm -rf "$work"
mkdir -p "$work/dist" "$work/cwd"

fail() { echo "FAIL: $*" >&2; exit 1; }
ok() { echo "ok: $*"; }

# 1. Pack this build and check the archive.
bash "$root/scripts/release.sh" --from "$build" --out "$work/dist"
zips=("$work"/dist/OrvexLog-*.zip)
[[ ${#zips[@]} == 1 && -f ${zips[0]} ]] || fail "release.sh did not write one zip: ${zips[*]}"
zip=${zips[0]}
python3 "$here/release_check.py" "$zip" "$root/src/text/texts.cpp"

# 1b. The same sources built again from an empty folder, as a release is:
#     the same bytes, whatever this build folder went through. The build
#     runs at the test's own priority: at the lowest, any processor-bound
#     work beside the run (another build) held it past the test's limit.
if [[ $(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt") == Release ]]; then
    bash "$root/scripts/release.sh" --build "$work/clean" --out "$work/dist-clean" >"$work/clean-build.log" 2>&1 ||
        { tail -n 20 "$work/clean-build.log" >&2; fail "release.sh could not build from an empty folder"; }
    cmp "$build/OrvexLog.exe" "$work/clean/OrvexLog.exe" ||
        fail "OrvexLog.exe differs between this build and a clean one"
    cmp "$zip" "$work/dist-clean/$(basename "$zip")" || fail "the zip differs between this build and a clean one"
    rm -rf "$work/clean"
    ok "a clean build gives the same OrvexLog.exe and zip, byte for byte"
else
    echo "release zip: not a Release build, the comparison with a clean release build is left out"
fi

# 2. Unpack into an empty folder of the prefix: C:\ソフト\OrvexLog\.
wine_session_join
standin= app=
place=$WINEPREFIX/drive_c/ソフト
cleanup() {
    [[ -n $app ]] && stop_process "$app"
    [[ -n $standin ]] && stop_process "$standin"
    rm -rf "$place"
    wine_session_leave
}
trap cleanup EXIT
rm -rf "$place"
mkdir -p "$place"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$place"
appdir=$place/OrvexLog
[[ -f $appdir/OrvexLog.exe && -f $appdir/readme.txt ]] || fail "unpacked: $(ls -R "$place")"
ok "unpacked into C:\\ソフト\\OrvexLog"

drive() { wine "$build/ui_driver.exe" "$@" </dev/null 2>>"$work/driver.log"; }
logs() { find "$appdir" -maxdepth 1 -name '*.rtf' -printf '%f\n'; }
has_log() { [[ -n $(logs) ]]; }
ini_value() { tr -d '\r' <"$appdir/OrvexLog.ini" | sed -n "s/^$1=//p" | head -n 1; }

# 3. The stand-in's companion log, and what it holds.
wine_to "$work/dump.log" "$build/host_standin.exe" --companion=100 --dump="$(win_path "$work/sample.rtf")"
wine "$build/host_standin.exe" --companion=100 --timeout=280 --ready="$(win_path "$work/ready.txt")" \
    </dev/null >"$work/standin.log" 2>&1 &
standin=$!
wait_until 60 "the stand-in's window" test -s "$work/ready.txt"

# 4. Start the unpacked exe from another working folder, as a shortcut may.
day_before=$(date +%Y%m%d)
(cd "$work/cwd" && exec wine "$appdir/OrvexLog.exe" </dev/null >"$work/run.log" 2>&1) &
app=$!
drive wait-window TMainForm - 60 || fail "OrvexLog did not start from the unpacked folder"
startup_over "$build/ui_driver.exe" 60 || fail "OrvexLog's start-up did not end"
[[ ! -e $appdir/OrvexLog.ini ]] || fail "start-up wrote a settings file"
ok "started with no settings file, and wrote none"

# 5. "保存(S)" from the tray menu: a save into the program folder (the default
#    save folder), then the notice, shown by default; OK closes it.
drive tray TMainForm left S 30 || fail "no tray menu to choose 保存(&S) from"
wait_until 60 "the log in the program folder" has_log || fail "no log beside the exe: $(ls "$appdir")"
drive wait-visible TDialogForm 60 || fail "no notice after the save"
day_after=$(date +%Y%m%d)
log=$(logs)
# No settings file: four-digit year, month, day, "_", number 1, Rich Text.
[[ $log == "${day_before}_1.rtf" || $log == "${day_after}_1.rtf" ]] || fail "log named '$log'"
wait_until 10 "the log to be complete" python3 "$here/check_capture.py" rtf "$work/sample.rtf" "$appdir/$log"
ok "saved $log beside the exe with the companion's colours"
drive texts TDialogForm "$work/notice.txt" || fail "cannot read the notice"
grep -qxF "$log" <(tr -d '\r' <"$work/notice.txt") || fail "the notice does not name $log: $(iconv -f CP932 -t UTF-8 "$work/notice.txt")"
drive post TDialogForm 0x111 1 0
drive wait-hidden TDialogForm 10 || fail "OK did not close the notice"

# 6. "終了(X)": the program ends and leaves its settings file beside the exe.
drive tray TMainForm right X 30 || fail "no tray menu to choose 終了(&X) from"
wait_until 30 "OrvexLog to end" _gone "$app" || fail "OrvexLog did not end on 終了"
app=
[[ -f $appdir/OrvexLog.ini ]] || fail "no OrvexLog.ini beside the exe: $(ls "$appdir")"
tr -d '\r' <"$appdir/OrvexLog.ini" | grep -qx '\[FormPosition\]' || fail "no [FormPosition] in OrvexLog.ini"
for key in MainTop MainLeft DialogTop DialogLeft; do
    [[ $(ini_value "$key") =~ ^-?[0-9]+$ ]] || fail "OrvexLog.ini: $key='$(ini_value "$key")'"
done
ok "OrvexLog.ini beside the exe holds the window positions"

# Nothing but the two unpacked files, the settings file and the log; nothing
# in the working folder.
found=$(cd "$appdir" && find . -mindepth 1 -printf '%P\n' | sort | paste -sd ' ')
want=$(printf '%s\n' OrvexLog.exe OrvexLog.ini readme.txt "$log" | sort | paste -sd ' ')
[[ $found == "$want" ]] || fail "program folder holds: $found (want $want)"
[[ -z $(ls -A "$work/cwd") ]] || fail "files in the working folder: $(ls -A "$work/cwd")"
ok "the program folder holds only: $found"
echo "release zip: all checks passed"
