# Shared by the end-to-end tests that drive OrvexLog.exe: source it after
# scripts/wine-env.sh, with $build set to the Windows build folder.
#   e2e_begin NAME    fresh work folder $work, the run's Wine session joined,
#                     and everything started below ended again on exit

app= standin=

e2e_begin() {
    work=$build/e2e/$1
    rm -rf "$work"
    mkdir -p "$work"
    wine_session_join
    trap e2e_end EXIT
}

e2e_end() {
    [[ -n $app ]] && stop_process "$app"
    [[ -n $standin ]] && stop_process "$standin"
    wine_session_leave
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
ok() { echo "ok: $*"; }

# ui_driver.exe, its complaints collected in the work folder.
drive() { wine "$build/ui_driver.exe" "$@" </dev/null 2>>"$work/driver.log"; }
# props_driver.exe, for what it checks across the program's windows (the
# taskbar entries).
props_drive() { wine "$build/props_driver.exe" "$@" </dev/null 2>>"$work/driver.log"; }

# ini_value FILE KEY: the first value of KEY in an INI file.
ini_value() { tr -d '\r' <"$1" | sed -n "s/^$2=//p" | head -n 1; }

# start_app DIR: runs DIR/OrvexLog.exe until its properties window exists.
start_app() {
    wine "$1/OrvexLog.exe" </dev/null >"$1/run.log" 2>&1 &
    app=$!
    drive wait-window TMainForm - 60 || fail "OrvexLog did not start"
}

# stop_app: "終了(&X)", then the process must end.
stop_app() {
    drive post TMainForm 0x111 202 0
    wait_until 30 "OrvexLog to end" _gone "$app" || fail "OrvexLog did not end on 終了"
    app=
}

# start_standin NAME ARGS...: the stand-in with ARGS, its expected texts first
# dumped to $work/NAME.rtf and $work/NAME.txt.
start_standin() {
    [[ -n $standin ]] && stop_process "$standin"
    local name=$1
    shift
    wine_to "$work/$name.dump.log" "$build/host_standin.exe" "$@" --dump="$(win_path "$work/$name.rtf")"
    wine_to "$work/$name.dump.log" "$build/host_standin.exe" "$@" --dump="$(win_path "$work/$name.txt")"
    rm -f "$work/ready.txt"
    wine "$build/host_standin.exe" "$@" --timeout=280 --ready="$(win_path "$work/ready.txt")" \
        </dev/null >"$work/$name.standin.log" 2>&1 &
    standin=$!
    wait_until 60 "the stand-in's windows" test -s "$work/ready.txt"
}
