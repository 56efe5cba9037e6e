# Shared by the scripts that run Windows programs under Wine; source it.
#
# A Wine session is one folder holding a fresh prefix and the state of one
# Xvfb display:
#   DIR/prefix       WINEPREFIX (32-bit, booted once per session)
#   DIR/display      the X display, e.g. ":1"
#   DIR/xvfb.pid     the Xvfb process
#   DIR/session.log  output of Xvfb, wineboot and wineserver
# Every wait is for a condition with a deadline, never a fixed sleep.

# wait_until SECONDS DESCRIPTION COMMAND...: poll COMMAND until it succeeds.
# The polls slow from twenty a second to five: a COMMAND often starts a Wine
# process, and a long wait would otherwise keep a processor busy.
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds)) pause=0.05
    until "$@"; do
        if ((SECONDS >= deadline)); then
            echo "timed out after ${seconds}s waiting for: $what" >&2
            return 1
        fi
        sleep "$pause"
        case $pause in 0.05) pause=0.1 ;; 0.1) pause=0.2 ;; esac
    done
}

# The Windows form of a Unix path, through Wine's Z: drive (no Wine process
# needed, unlike winepath).
win_path() {
    local p
    p=$(realpath -m "$1")
    printf 'Z:%s' "${p//\//\\}"
}

# Environment of the session in DIR: 32-bit prefix, Japanese locale (ANSI code
# page 932), quiet, no Mono/Gecko installers, its display.
wine_session_env() {
    local dir
    dir=$(realpath -m "$1")
    export WINE_SESSION_DIR=$dir
    export WINEPREFIX=$dir/prefix
    export WINEARCH=win32
    export LANG=ja_JP.UTF-8
    export LC_ALL=ja_JP.UTF-8
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [[ -s $dir/display ]]; then
        DISPLAY=$(<"$dir/display")
        export DISPLAY
    fi
}

wine_session_running() {
    local dir=$1
    [[ -s $dir/display && -s $dir/xvfb.pid && -f $dir/prefix/system.reg && -f $dir/booted ]] &&
        kill -0 "$(<"$dir/xvfb.pid")" 2>/dev/null
}

_display_ready() { [[ -s $1 ]]; }
_x_answers() { xdpyinfo -display "$1" >/dev/null 2>&1; }

# Starts Xvfb and boots a fresh prefix in DIR; the wineserver then stays up
# (persistent) so each test's Wine start is quick.
wine_session_start() {
    local dir
    dir=$(realpath -m "$1")
    # Without the locale Wine would run in another code page; asked of a new
    # process, which sees a locale generated after this shell started.
    if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
        echo "the ja_JP.UTF-8 locale is missing: run scripts/install-deps.sh" >&2
        return 1
    fi
    wine_session_stop "$dir"
    mkdir -p "$dir"
    rm -rf "$dir/prefix" "$dir/display" "$dir/booted"
    local log=$dir/session.log
    : >"$log"

    # -displayfd: Xvfb picks a free display and writes its number to fd 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display.num" </dev/null >>"$log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    wait_until 30 "Xvfb display number" _display_ready "$dir/display.num" || return 1
    echo ":$(tr -d '[:space:]' <"$dir/display.num")" >"$dir/display"
    wait_until 30 "X display $(<"$dir/display")" _x_answers "$(<"$dir/display")" || return 1

    wine_session_env "$dir"
    # Output to the log file: processes Wine leaves running must not hold the
    # caller's pipes open (CTest would wait for them).
    wineboot -i </dev/null >>"$log" 2>&1 || { echo "wineboot failed, see $log" >&2; return 1; }
    # No window manager runs on the virtual display: let Wine draw the
    # captions and frames itself, so screenshots show them.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f </dev/null >>"$log" 2>&1
    # This Wine does not find its own Marlett font, and the caption buttons
    # come out as letters; a copy in the prefix's font folder is found.
    local marlett=/usr/share/wine/fonts/marlett.ttf
    [[ -f $marlett ]] && cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -w </dev/null >>"$log" 2>&1
    wineserver -p </dev/null >>"$log" 2>&1
    touch "$dir/booted"
}

wine_session_stop() {
    local dir
    dir=$(realpath -m "$1")
    if [[ -d $dir/prefix ]]; then
        WINEPREFIX=$dir/prefix wineserver -k </dev/null >/dev/null 2>&1 || true
    fi
    if [[ -s $dir/xvfb.pid ]]; then
        local pid
        pid=$(<"$dir/xvfb.pid")
        kill "$pid" 2>/dev/null || true
        wait_until 10 "Xvfb $pid to end" _gone "$pid" || kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$dir/xvfb.pid" "$dir/display" "$dir/display.num" "$dir/booted"
}

_gone() { ! kill -0 "$1" 2>/dev/null; }

# Joins the test run's session (WINE_SESSION_DIR), or starts a private one
# when there is none; wine_session_leave stops a private one again.
wine_session_join() {
    WINE_OWN_SESSION=
    local dir=${WINE_SESSION_DIR:-}
    if [[ -z $dir ]] || ! wine_session_running "$dir"; then
        dir=$(mktemp -d "${TMPDIR:-/tmp}/wine-session.XXXXXX")
        WINE_OWN_SESSION=$dir
        wine_session_start "$dir" >&2 || return 1
    fi
    wine_session_env "$dir"
}

wine_session_leave() {
    if [[ -n ${WINE_OWN_SESSION:-} ]]; then
        wine_session_stop "$WINE_OWN_SESSION"
        rm -rf "$WINE_OWN_SESSION"
        WINE_OWN_SESSION=
    fi
}

# wine_to FILE PROGRAM [ARGS...]: runs a Windows program with its output in
# FILE. Never capture Wine's output through a pipe or $(...): a process that
# Wine starts on the side (the desktop, services) inherits the pipe and keeps
# it open after the program has ended.
wine_to() {
    local file=$1
    shift
    wine "$@" </dev/null >"$file" 2>&1
}

# stop_process PID: ends a process we started and waits for it, with a
# deadline.
stop_process() {
    local pid=$1
    kill "$pid" 2>/dev/null || return 0
    wait_until 10 "process $pid to end" _gone "$pid" || kill -9 "$pid" 2>/dev/null || true
}

# startup_over UI_DRIVER SECONDS: waits until OrvexLog's start-up is over.
# Its properties window exists from the start, before the tray icon; the
# notice's window is made by start-up's last step before the message loop.
# While start-up adds the icon it takes sent messages, so a tray command
# sent before then is answered inside start-up (終了 ends the program
# before the launch step).
startup_over() { wine "$1" wait-window TDialogForm - "$2" </dev/null >/dev/null 2>&1; }

# Real mouse input (X events through xdotool), as a user's hand gives it:
#   tray_icon_click UI_DRIVER BUTTON [COUNT]   on the first icon in Wine's
#       notification area, the "Wine System Tray" window Wine shows on a
#       display without a desktop shell; COUNT presses 80 ms apart make a
#       double click
#   menu_top_item_click UI_DRIVER   on the top item of the pop-up menu on
#       screen (below the menu's border; any font's item is taller than that)
tray_icon_click() {
    local point
    point=$(wine "$1" tray-icon-point </dev/null 2>/dev/null | tr -d '\r') || return 1
    # shellcheck disable=SC2086 # "x y"
    xdotool mousemove $point click --repeat "${3:-1}" --delay 80 "$2"
}
menu_top_item_click() {
    local left top right bottom
    read -r left top right bottom < <(wine "$1" rect '#32768' </dev/null 2>/dev/null | tr -d '\r') || return 1
    xdotool mousemove "$(((left + right) / 2))" "$((top + 10))" click 1
}
