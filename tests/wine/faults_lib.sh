# Shared by the fault tests (faults_*_test.sh) and the soak: source it after
# scripts/wine-env.sh and tests/wine/e2e_lib.sh, with $build set.
#   start_other_standin READY NAME ARGS...   a stand-in for a second host
#                       program beside start_standin's, ended with the test
#   faults_begin NAME   as e2e_begin; on exit, the processes listed in
#                       fault_pids are ended and whatever faults_mount
#                       mounted is unmounted again
#   props ARGS...       props_driver.exe: the properties window's controls,
#                       and the questions and dialogs of start-up
#   keep_windows_file NAME   NAME in the prefix's Windows folder, shared by
#                       the run, is put back as it was on exit
#   start_watcher MS    a clipboard watcher (ui_driver clipboard-watch): opens
#                       the clipboard on every change and holds it MS ms, as
#                       clipboard managers do; $watcher is its pid, its
#                       output $work/watch.txt; stop_watcher ends it

fault_mounts=()
fault_pids=()
fault_kept=()

faults_begin() {
    e2e_begin "$1"
    trap faults_end EXIT
}

faults_end() {
    local i pid
    for pid in "${fault_pids[@]}"; do stop_process "$pid"; done
    for ((i = ${#fault_mounts[@]} - 1; i >= 0; i--)); do
        umount "${fault_mounts[i]}" 2>/dev/null || umount -l "${fault_mounts[i]}" 2>/dev/null || true
    done
    fault_mounts=()
    local name windir=$WINEPREFIX/drive_c/windows
    for name in "${fault_kept[@]}"; do
        rm -f "$windir/$name"
        [[ -e $work/kept-windows/$name ]] && cp -p "$work/kept-windows/$name" "$windir/$name"
    done
    fault_kept=()
    e2e_end
}

keep_windows_file() {
    mkdir -p "$work/kept-windows"
    [[ -e $WINEPREFIX/drive_c/windows/$1 ]] && cp -p "$WINEPREFIX/drive_c/windows/$1" "$work/kept-windows/"
    fault_kept+=("$1")
}

skip() { echo "skip: $*"; }

props() { wine "$build/props_driver.exe" "$@" </dev/null 2>>"$work/driver.log"; }

# faults_mount TARGET MOUNT-ARGS...: mount, remembered for faults_end. Fails
# (quietly) where mounting is not permitted.
faults_mount() {
    local target=$1
    shift
    mount "$@" "$target" 2>>"$work/mount.log" || return 1
    fault_mounts+=("$target")
}

# read_only PATH: makes a folder or file read-only for Wine. Permission bits
# do not stop root, so as root PATH is bind-mounted read-only onto itself.
read_only() {
    if ((EUID != 0)); then
        chmod a-w "$1"
        return 0
    fi
    faults_mount "$1" --bind "$1" || return 1
    mount -o remount,bind,ro "$1" 2>>"$work/mount.log" || return 1
}

# undo_read_only PATH
undo_read_only() {
    if ((EUID != 0)); then
        chmod u+w "$1"
        return 0
    fi
    umount "$1"
    local kept=() m
    for m in "${fault_mounts[@]}"; do [[ $m == "$1" ]] || kept+=("$m"); done
    fault_mounts=("${kept[@]}")
}

# The general error display: a box titled with the application title.
app_title='Orvex ログツールのプロパティ'

# error_box SECONDS: waits for the general error display and prints its
# message in UTF-8.
error_box() {
    drive box-text "$app_title" "$1" "$work/box.txt" || return 1
    # A path of noise may hold bytes that are no CP932; those are left out.
    iconv -c -f CP932 -t UTF-8 "$work/box.txt" || true
}

# answer_error_box: OK on the general error display, which must then go.
answer_error_box() { answer_box "$app_title"; }

# still_running: the process lives and its properties window answers.
still_running() {
    kill -0 "$app" 2>/dev/null && drive wait-window TMainForm - 5
}

no_temporaries() { [[ -z $(find "$1" -name '~OrvexLog*.tmp' -o -name '~OL*.tmp') ]]; }

# folder_of_length DIR N: makes a folder below DIR whose Windows path is N
# bytes long and prints it.
folder_of_length() {
    local dir=$1 want=$2 len
    while len=$(win_path "$dir" | wc -c); ((want - len > 101)); do dir=$dir/$(printf '%099d' 0); done
    ((want - len >= 2)) || return 1
    dir=$dir/$(printf "%0$((want - len - 1))d" 0)
    (($(win_path "$dir" | wc -c) == want)) || return 1
    mkdir -p "$dir"
    echo "$dir"
}

# earlier_logs DIR NAME-FORMAT: for a time-identifier save, logs named (date
# +NAME-FORMAT, then ".rtf") for this minute and the next two, so that a
# minute turning over cannot miss the target; changed_log then prints the
# first of them that no longer holds what it held.
declare -A earlier=()
earlier_logs() {
    local m f
    earlier=()
    for m in 0 1 2; do
        f=$1/$(date -d "+$m min" +"$2").rtf
        echo "{\\rtf1 an earlier log of $f}" >"$f"
        earlier[$f]=$(md5sum <"$f")
    done
}
changed_log() {
    local f
    for f in "${!earlier[@]}"; do
        [[ $(md5sum <"$f") != "${earlier[$f]}" ]] && echo "$f" && return 0
    done
    return 1
}

start_other_standin() { run_standin "fault_pids[${#fault_pids[@]}]" "$@"; }

start_watcher() {
    [[ -n ${watcher:-} ]] && stop_watcher
    wine "$build/ui_driver.exe" clipboard-watch "$1" </dev/null >"$work/watch.txt" 2>>"$work/driver.log" &
    watcher=$!
    fault_pids+=("$watcher")
    wait_until 30 "the clipboard watcher to listen" grep -q watching "$work/watch.txt"
}
stop_watcher() {
    stop_process "$watcher"
    watcher=
}
