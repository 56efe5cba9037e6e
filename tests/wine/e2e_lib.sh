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

# write_settings DIR: DIR/OrvexLog.ini from stdin, with CRLF line ends; a
# running program reads it at its next use of a setting.
write_settings() { sed 's/$/\r/' >"$1/OrvexLog.ini"; }

# new_app_dir NAME: a fresh program folder $work/NAME with OrvexLog.exe and
# its settings (CRLF) from stdin; sets $appdir.
new_app_dir() {
    appdir=$work/$1
    mkdir -p "$appdir"
    cp "$build/OrvexLog.exe" "$appdir/"
    write_settings "$appdir"
}

# saving_app NAME LOGS [LINE...]: a fresh program folder NAME whose double
# click saves into LOGS (made if missing) with no notice, any further
# settings LINEs first; started. Sets $appdir.
saving_app() {
    local name=$1 dir=$2
    shift 2
    mkdir -p "$dir"
    new_app_dir "$name" < <(printf '%s\n' "$@" '[Setting_GroupBox]' "OrvexLogPath=$(win_path "$dir")" \
        Save_RadioButton=1 Dialog_CheckBox=0)
    start_app "$appdir"
}

# logs_matching DIR PATTERN: the files of DIR whose names match, sorted.
logs_matching() { find "$1" -maxdepth 1 -type f -name "$2" | sort; }
has_log() { [[ -n $(logs_matching "$1" "$2") ]]; }

# ini_value FILE KEY: the first value of KEY in an INI file.
ini_value() { tr -d '\r' <"$1" | sed -n "s/^$2=//p" | head -n 1; }

# start_app DIR [CWD]: runs DIR/OrvexLog.exe (working in CWD, by default the
# caller's folder) until its start-up is over, so that nothing the test
# does next lands inside start-up.
# start_app_in_startup DIR [CWD]: the same, but only until its properties
# window exists, for a test of what start-up itself asks or does; startup_done
# then waits for start-up's end.
start_app_in_startup() {
    local dir
    dir=$(realpath "$1")
    (cd "${2:-.}" && exec wine "$dir/OrvexLog.exe" </dev/null >"$dir/run.log" 2>&1) &
    app=$!
    drive wait-window TMainForm - 60 || fail "OrvexLog did not start"
}
startup_done() { startup_over "$build/ui_driver.exe" 60 || fail "OrvexLog's start-up did not end"; }
start_app() {
    start_app_in_startup "$@"
    startup_done
}

# The tray as the shell drives it: the icon's callbacks sent (not posted)
# from another process, menu items chosen by their access keys.
#   save_command, show_properties, exit_command   "保存(&S)", "プロパティ(&R)",
#                       "終了(&X)" from the left / right button's menu
#   tray_double_click   a double click's callbacks: press, release,
#                       WM_LBUTTONDBLCLK, release
tray_menu() { drive tray TMainForm "$1" "$2" 30 || fail "no tray menu to choose $3 from"; }
save_command() { tray_menu left S "保存(&S)"; }
show_properties() { tray_menu right R "プロパティ(&R)"; }
exit_command() { tray_menu right X "終了(&X)"; }
tray_double_click() { drive tray TMainForm double; }
# And by a user's hand (xdotool): a real left click on the icon in Wine's
# notification area, its menu then open; a real key press.
real_left_menu() {
    tray_icon_click "$build/ui_driver.exe" 1 || fail "no icon to click"
    drive wait-menu TMainForm 1 10 || fail "a real click on the icon opened no menu"
}
real_key() { xdotool key "$1"; }
# keyboard_menu enter|menukey KEY: a key on the icon as the version-4 shell
# reports it (Enter: NIN_KEYSELECT, the menu key: WM_CONTEXTMENU, anchored
# at the icon), then the item of access key KEY chosen with a real key.
# Under Xvfb without a window manager the keyboard goes to the window under
# the pointer, so it rests on the icon, where the menu opens.
keyboard_menu() {
    local point
    point=$(drive tray-icon-point | tr -d '\r') || fail "no icon in the notification area"
    # shellcheck disable=SC2086 # "x y"
    xdotool mousemove $point
    drive tray TMainForm "$1" || fail "cannot send $1 to the icon"
    drive wait-menu TMainForm 1 10 || fail "no menu for $1 on the icon"
    real_key "$2"
    drive wait-menu TMainForm 0 10 || fail "the real key $2 chose nothing"
}

# stop_app: "終了(&X)", then the process must end.
stop_app() {
    exit_command
    wait_until 30 "OrvexLog to end" _gone "$app" || fail "OrvexLog did not end on 終了"
    app=
}

# answer_box TITLE: OK on the message box titled TITLE, which must then go.
answer_box() {
    drive press "$1" 1 10 || fail "no box $1 to answer"
    drive wait-gone "#32770" "$1" 10 || fail "the box $1 stayed"
}

# answer_notice: a real mouse click on the notice's OK, which must close it.
answer_notice() {
    props_drive real-click-text TDialogForm OK || fail "no OK to click on the notice"
    drive wait-hidden TDialogForm 10 || fail "a real click did not answer the notice"
}

# notice_over NAME: a save from the tray (double click) while the program's
# box or dialog NAME (a props_driver text name) is open: the notice comes up
# enabled over it, NAME waits disabled, and once a real click has answered
# the notice NAME takes input again.
notice_over() {
    drive tray-event TMainForm 0x203
    drive wait-visible TDialogForm 60 || fail "no notice over $1"
    props_drive wait-window-enabled notice 1 10 || fail "the notice over $1 is disabled"
    props_drive wait-window-enabled "$1" 0 10 || fail "$1 is enabled under the notice"
    answer_notice
    props_drive wait-window-enabled "$1" 1 10 || fail "$1 stayed disabled after the notice"
}

# release_copy N: the stand-in's Nth slow copy (--slow-copy) is answered now
# (at once when it comes later). A step that needs the copy under way holds
# it with a long --slow-copy and releases it once done.
release_copy() { printf 'release=%s\r\n' "$1" >>"$work/ready.txt"; }

# start_standin NAME ARGS...: the stand-in with ARGS, its expected texts first
# dumped to $work/NAME.rtf and $work/NAME.txt, its ready file $work/ready.txt.
start_standin() {
    [[ -n $standin ]] && stop_process "$standin"
    run_standin standin ready.txt "$@"
}

# run_standin VAR READY NAME ARGS...: as start_standin, with the ready file
# $work/READY; VAR (a variable or array element) gets the pid before the wait,
# so that whoever ends VAR's processes ends this one too.
run_standin() {
    local var=$1 ready=$work/$2 name=$3
    shift 3
    wine_to "$work/$name.dump.log" "$build/host_standin.exe" "$@" --dump="$(win_path "$work/$name.rtf")"
    wine_to "$work/$name.dump.log" "$build/host_standin.exe" "$@" --dump="$(win_path "$work/$name.txt")"
    rm -f "$ready"
    wine "$build/host_standin.exe" "$@" --timeout=280 --ready="$(win_path "$ready")" \
        </dev/null >"$work/$name.standin.log" 2>&1 &
    printf -v "$var" '%s' "$!"
    wait_until 60 "the stand-in's windows" test -s "$ready"
}
