# Shared by the end-to-end tests that drive the properties window with
# props_driver.exe: source it after scripts/wine-env.sh, with $build set.
#   props_begin NAME   fresh work folder $work with $work/app, the run's Wine
#                      session joined, OrvexLog ($app) ended again on exit,
#                      then $props_cleanup run if a test set it
#   props_start_app    OrvexLog.exe copied into $work/app (once) and started
#                      there, alone in the session, until its start-up is over
#   props_stop_app     "終了(&X)" from the tray menu; OrvexLog must end
#   props_set_dpi DPI  the screen's pixels per inch for programs started from
#                      now on; the session's own value returns on exit
#   props_standin ARGS...  the host stand-in with ARGS, until its windows are
#                      up; ended on exit
#   release_copy N     its Nth slow copy (--slow-copy) answered now

app=
standin=
props_cleanup=

props_begin() {
    work=$build/e2e/$1
    rm -rf "$work"
    mkdir -p "$work/app"
    wine_session_join
    trap props_end EXIT
}

props_end() {
    [[ -n $app ]] && stop_process "$app"
    [[ -n $standin ]] && stop_process "$standin"
    [[ -n $props_cleanup ]] && "$props_cleanup"
    [[ -n $props_dpi_saved ]] && _props_write_dpi "${props_dpi_saved#=}"
    wine_session_leave
}

props_dpi_key='HKCU\Control Panel\Desktop'
props_dpi_saved=
_props_write_dpi() {
    if [[ -n $1 ]]; then
        wine reg add "$props_dpi_key" /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
    else
        wine reg delete "$props_dpi_key" /v LogPixels /f </dev/null >/dev/null 2>&1 || true
    fi
}
props_set_dpi() {
    # The session is shared by the run: remember its value ("=" and the
    # decimal value, or "=" alone for none) the first time.
    if [[ -z $props_dpi_saved ]]; then
        local hex
        hex=$(wine reg query "$props_dpi_key" /v LogPixels </dev/null 2>/dev/null | tr -d '\r' |
            sed -n 's/.*REG_DWORD[[:space:]]*0x\([0-9a-fA-F]*\).*/\1/p' || true)
        props_dpi_saved="=${hex:+$((16#$hex))}"
    fi
    _props_write_dpi "$1"
}

props_start_app() {
    must "no other OrvexLog running" wait-no-program 30
    [[ -e $work/app/OrvexLog.exe ]] || cp "$build/OrvexLog.exe" "$work/app/"
    wine "$work/app/OrvexLog.exe" </dev/null >"$work/app/run.log" 2>&1 &
    app=$!
    must "OrvexLog started" wait-program 60
    startup_over "$build/ui_driver.exe" 60 || fail "OrvexLog's start-up did not end"
}

props_standin() {
    rm -f "$work/ready.txt"
    wine "$build/host_standin.exe" "$@" --timeout=280 --ready="$(win_path "$work/ready.txt")" \
        </dev/null >"$work/standin.log" 2>&1 &
    standin=$!
    wait_until 60 "the stand-in's windows" test -s "$work/ready.txt"
}

release_copy() { printf 'release=%s\r\n' "$1" >>"$work/ready.txt"; }

props_stop_app() {
    ui tray TMainForm right X 30 || fail "exit command"
    wait_until 30 "OrvexLog to end" _gone "$app" || fail "OrvexLog did not end"
    app=
}

fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/driver.log ]] && { echo "--- driver" >&2; cat "$work/driver.log" >&2; }
    exit 1
}
ok() { echo "ok: $*"; }
drive() { wine "$build/props_driver.exe" "$@" </dev/null 2>>"$work/driver.log"; }
# ui_driver.exe, for what it knows of any window (rect, on-screen, post).
ui() { wine "$build/ui_driver.exe" "$@" </dev/null 2>>"$work/driver.log"; }
# must WHAT COMMAND...: a driver step that has to succeed.
must() {
    local what=$1
    shift
    drive "$@" || fail "$what"
}
