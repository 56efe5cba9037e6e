# Shared by the end-to-end tests that drive the properties window with
# props_driver.exe: source it after scripts/wine-env.sh, with $build set.
#   props_begin NAME   fresh work folder $work with $work/app, the run's Wine
#                      session joined, OrvexLog ($app) ended again on exit

app=

props_begin() {
    work=$build/e2e/$1
    rm -rf "$work"
    mkdir -p "$work/app"
    wine_session_join
    trap props_end EXIT
}

props_end() {
    [[ -n $app ]] && stop_process "$app"
    wine_session_leave
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
