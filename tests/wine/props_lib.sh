# Shared by the end-to-end tests that drive the properties window with
# props_driver.exe: source it after scripts/wine-env.sh, with $build set.
#   props_begin NAME   fresh work folder $work with $work/app, the run's Wine
#                      session joined, OrvexLog ($app) ended again on exit,
#                      then $props_cleanup run if a test set it
#   props_start_app    OrvexLog.exe copied into $work/app (once) and started
#                      there, alone in the session

app=
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
    [[ -n $props_cleanup ]] && "$props_cleanup"
    wine_session_leave
}

props_start_app() {
    must "no other OrvexLog running" wait-no-program 30
    [[ -e $work/app/OrvexLog.exe ]] || cp "$build/OrvexLog.exe" "$work/app/"
    wine "$work/app/OrvexLog.exe" </dev/null >"$work/app/run.log" 2>&1 &
    app=$!
    must "OrvexLog started" wait-program 60
}

fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/driver.log ]] && { echo "--- driver" >&2; cat "$work/driver.log" >&2; }
    exit 1
}
ok() { echo "ok: $*"; }
drive() { wine "$build/props_driver.exe" "$@" </dev/null 2>>"$work/driver.log"; }
# must WHAT COMMAND...: a driver step that has to succeed.
must() {
    local what=$1
    shift
    drive "$@" || fail "$what"
}
