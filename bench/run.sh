#!/usr/bin/env bash
# OrvexLog's benchmarks under Wine, each measured side by side with a floor
# program of our own in the same run; prints one table of ratios.
# Never run by the tests. What each row means: bench/README.md.
#   bench/run.sh [OPTIONS]
#     --large      also save 10 MB and 50 MB logs (slow: Wine's copy and
#                  paste grow faster than the size)
#     --sizes L    the save sizes in KB instead, e.g. 100,1024 (default
#                  100,1024,3072)
#     --runs N     saves per size and program (default 5 at 0.1 MB, 3 at
#                  1 MB, 2 from 3 MB up), and starts per program (default 7)
#     --only L     only these parts: save,search,start,idle,size
#     --explain[=V,...]  also save with floor variants that add some of what
#                  OrvexLog does (default autoh,autoh+format,
#                  autoh+format+flush; see bench/floor_save.cpp), and time
#                  the save's calls on the log window and the two steps of
#                  the sequence-number search: where extra time goes
#     --build D    Windows build folder (default build/bench-win32, Release)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

usage() {
    sed -n '5,18p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
    exit "${1:-0}"
}

large='' explain='' runs='' sizes='' only='' build=$root/build/bench-win32
while (($#)); do
    case $1 in
        --large) large=1 ;;
        --explain) explain=autoh,autoh+format,autoh+format+flush ;;
        --explain=*) explain=${1#*=} ;;
        --runs) runs=$2; shift ;;
        --runs=*) runs=${1#*=} ;;
        --sizes) sizes=$2; shift ;;
        --sizes=*) sizes=${1#*=} ;;
        --only) only=$2; shift ;;
        --only=*) only=${1#*=} ;;
        --build) build=$2; shift ;;
        --build=*) build=${1#*=} ;;
        -h | --help) usage 0 ;;
        *) echo "unknown option: $1" >&2; usage 2 ;;
    esac
    shift
done
[[ -z $runs || $runs =~ ^[1-9][0-9]*$ ]] || { echo "--runs takes a positive number" >&2; exit 2; }
[[ -z $sizes || $sizes =~ ^[1-9][0-9]*(,[1-9][0-9]*)*$ ]] || { echo "--sizes takes KB,KB,..." >&2; exit 2; }
[[ -z $only || $only =~ ^(save|search|start|idle|size)(,(save|search|start|idle|size))*$ ]] ||
    { echo "--only takes parts among save,search,start,idle,size" >&2; exit 2; }
want() { [[ -z $only || ,$only, == *",$1,"* ]]; }
build=$(realpath -m "$build")

work=$build/bench-run
rm -rf "$work"
mkdir -p "$work"
note() { echo "[bench] $*" >&2; }

# --- Build -----------------------------------------------------------------
bash "$root/scripts/install-deps.sh" >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; exit 1; }
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >"$work/build.log" 2>&1 || { cat "$work/build.log" >&2; exit 1; }
fi
note "building OrvexLog.exe, the stand-in and the bench programs in $build"
cmake --build "$build" -j2 --target OrvexLog host_standin bench_probe floor_save minimal_tray \
    >>"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log" >&2; exit 1; }
bench=$build/bench

# --- Wine session and the programs' processes --------------------------------
unset WINE_SESSION_DIR
note "starting a private Wine session"
wine_session_join
standin='' app='' tray='' tray_dlls='' floors=()
cleanup() {
    [[ -n $standin ]] && stop_process "$standin"
    [[ -n $app ]] && stop_process "$app"
    [[ -n $tray ]] && stop_process "$tray"
    [[ -n $tray_dlls ]] && stop_process "$tray_dlls"
    for f in "${floors[@]}"; do stop_process "$f"; done
    wine_session_leave
}
trap cleanup EXIT

# probe ARGS...: bench_probe.exe, its one output line in $work/probe.out.
probe() { wine "$bench/bench_probe.exe" "$@" </dev/null >"$work/probe.out" 2>>"$work/probe.err"; }
# field KEY: a value of the last probe's output.
field() { tr ' \r' '\n\n' <"$work/probe.out" | sed -n "s/^$1=//p" | head -n 1; }

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "-"}'; }

cpu_ms() { awk '{print ($14 + $15) * 10}' "/proc/$1/stat"; }  # USER_HZ = 100
wakeups() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'; }
status_kb() { awk -v k="$2:" '$1 == k {print $2}' "/proc/$1/status"; }

app_dir=$work/app
mkdir -p "$app_dir"
cp "$build/OrvexLog.exe" "$app_dir/"
# write_settings FOLDER: the save folder; no notice, auto-save off, no host
# program launched at start-up.
write_settings() {
    printf '[Setting_GroupBox]\r\nOrvexLogPath=%s\r\nDialog_CheckBox=0\r\nCreate_CheckBox=0\r\nAutoSaveOn_CheckBox=0\r\n[AutoSave_GroupBox]\r\nAutoSave_CheckBox=0\r\n' \
        "$(win_path "$1")" >"$app_dir/OrvexLog.ini"
}

start_app() {
    wine "$app_dir/OrvexLog.exe" </dev/null >>"$work/app.log" 2>&1 &
    app=$!
    probe wait TMainForm 60 || { echo "OrvexLog did not start" >&2; exit 1; }
}

stop_app() {
    probe post TMainForm 0x111 202 0 || true
    wait_until 30 "OrvexLog to end" _gone "$app" || stop_process "$app"
    app=
}

# start_standin KB|sample: the companion's window at 100 % with a generated
# coloured log of at least KB kilobytes of Rich Text; sets $source.
start_standin() {
    [[ -n $standin ]] && stop_process "$standin"
    local text=gen:$1
    [[ $1 == sample ]] && text=sample
    rm -f "$work/ready.txt"
    wine "$build/host_standin.exe" --companion=100 --companion-text="$text" --timeout=86400 \
        --ready="$(win_path "$work/ready.txt")" </dev/null >>"$work/standin.log" 2>&1 &
    standin=$!
    wait_until 3600 "the stand-in's windows" test -s "$work/ready.txt"
    source=$(tr -d '\r' <"$work/ready.txt" | sed -n 's/^companion\.100\.text=//p')
}

# Floor variants: "floor" itself, and with --explain the ones that add some of
# OrvexLog's extras to it.
variants=(floor)
if [[ -n $explain ]]; then
    IFS=, read -r -a _extra <<<"$explain"
    variants+=("${_extra[@]}")
fi
declare -A floor_pid=()
start_floors() {
    local v like
    for v in "${variants[@]}"; do
        like=$v
        [[ $v == floor ]] && like=
        mkdir -p "$work/out-$v"
        # shellcheck disable=SC2086
        wine "$bench/floor_save.exe" "$(win_path "$work/out-$v")" "$(win_path "$work/steps-$v.txt")" $like \
            </dev/null >>"$work/floor.log" 2>&1 &
        floors+=($!)
        floor_pid[$v]=$!
        probe wait "OrvexBenchFloor/$v" 60 || { echo "floor_save ($v) did not start" >&2; exit 1; }
    done
}
stop_floors() {
    local v f
    for v in "${variants[@]}"; do probe post "OrvexBenchFloor/$v" 0x10 0 0 || true; done
    for f in "${floors[@]}"; do wait_until 30 "floor_save to end" _gone "$f" || stop_process "$f"; done
    floors=()
}

logs=$work/logs
mkdir -p "$logs"

rows=()
# row NAME OURS REF-NAME REF RATIO CPU-RATIO TARGET VERDICT
row() { rows+=("$1|$2|$3|$4|$5|$6|$7|$8"); }
verdict() { awk -v r="$1" -v t="$2" 'BEGIN {if (r == "-") print ""; else print (r <= t) ? "ok" : "ABOVE"}'; }

# --- 1. Saves against the floor ----------------------------------------------
bench_saves() {
    if [[ -n $sizes ]]; then
        IFS=, read -r -a sizes <<<"$sizes"
    else
        sizes=(100 1024 3072)
        [[ -n $large ]] && sizes+=(10240 51200)
    fi
    declare -A ws_peak=() anon_peak=()
    write_settings "$logs"
    for kb in "${sizes[@]}"; do
        n=$runs
        [[ -z $n ]] && { if ((kb <= 100)); then n=5; elif ((kb <= 1024)); then n=3; else n=2; fi; }
        label=$(awk -v k="$kb" 'BEGIN {if (k < 1024) printf "%.1f MB", k / 1024; else printf "%g MB", k / 1024}')
        timeout=$((kb <= 3072 ? 900 : 14400))
        note "save of a $label coloured log: $n runs each"
        start_standin "$kb"
        start_app
        start_floors
        declare -A times=() cpus=()
        for ((i = 1; i <= n; i++)); do
            # Alternate who goes first, so drift on a shared machine hits both.
            order=(app "${variants[@]}")
            ((i % 2 == 0)) && order=("${variants[@]}" app)
            for who in "${order[@]}"; do
                # Each program's last file stays, to compare them afterwards.
                out=$logs pid=$app
                [[ $who != app ]] && out=$work/out-$who pid=${floor_pid[$who]}
                rm -f "$out"/*
                sampler=
                if ((kb == 3072)) && [[ $who == app || $who == floor ]]; then
                    (while kill -0 "$pid" 2>/dev/null; do status_kb "$pid" RssAnon; sleep 0.1; done) >"$work/anon-$who.txt" &
                    sampler=$!
                fi
                # CPU time of the saving program and of the log window's program
                # (the copy runs there): less bent by a busy machine than the clock.
                cpu0=$(($(cpu_ms "$pid") + $(cpu_ms "$standin")))
                if [[ $who == app ]]; then
                    probe save TMainForm 102 0 "$(win_path "$logs")" '*.rtf' "$timeout" ||
                        { echo "OrvexLog's save of $label failed: $(cat "$work/probe.out")" >&2; exit 1; }
                else
                    probe save "OrvexBenchFloor/$who" 102 "$source" "$(win_path "$work/out-$who")" '*.rtf' "$timeout" ||
                        { echo "floor ($who) save of $label failed: $(cat "$work/probe.out")" >&2; exit 1; }
                fi
                cpu=$(($(cpu_ms "$pid") + $(cpu_ms "$standin") - cpu0))
                [[ -n $sampler ]] && { kill "$sampler" 2>/dev/null || true; wait "$sampler" 2>/dev/null || true; }
                times[$who]+=" $(field file_ms)"
                cpus[$who]+=" $cpu"
                echo "$label $who run $i: $(cat "$work/probe.out") cpu_ms=$cpu" >>"$work/saves.txt"
                if [[ -n $sampler ]]; then
                    ws_peak[$who]=$(field ws_peak_kb)
                    anon_peak[$who]=$(sort -n "$work/anon-$who.txt" | tail -n 1)
                fi
            done
        done
        # shellcheck disable=SC2086
        t_app=$(median ${times[app]}) c_app=$(median ${cpus[app]})
        for v in "${variants[@]}"; do
            # shellcheck disable=SC2086
            t_v=$(median ${times[$v]}) c_v=$(median ${cpus[$v]})
            r=$(ratio "$t_app" "$t_v")
            if [[ $v == floor ]]; then
                row "save $label coloured log, ms (median of $n)" "$t_app" "floor_save" "$t_v" "$r" \
                    "$(ratio "$c_app" "$c_v")" "<= 1.10" "$(verdict "$r" 1.10)"
            else
                row "  same against floor_save + $v" "$t_app" "floor+$v" "$t_v" "$r" "$(ratio "$c_app" "$c_v")" "" ""
            fi
        done
        if [[ -n $explain ]]; then
            probe host-steps "$source"
            echo "$label host steps: $(cat "$work/probe.out")" >>"$work/saves.txt"
            row "  WM_GETTEXTLENGTH to the log window, ms" "$(field length_ms)" "its WM_COPY" "$(field copy_ms)" \
                "$(ratio "$(field length_ms)" "$(field copy_ms)")" "" "" ""
            row "  EM_SETSEL 0,0 to the log window, ms" "$(field select_none_ms)" "its WM_COPY" "$(field copy_ms)" \
                "$(ratio "$(field select_none_ms)" "$(field copy_ms)")" "" "" ""
        fi
        unset times cpus
        stop_floors
        stop_app
    done
    if [[ -n ${ws_peak[app]:-} && -n ${ws_peak[floor]:-} ]]; then
        row "peak working set in the 3 MB save, KB" "${ws_peak[app]}" "floor_save" "${ws_peak[floor]}" \
            "$(ratio "${ws_peak[app]}" "${ws_peak[floor]}")" "" "" ""
        row "peak private memory in the 3 MB save, KB" "${anon_peak[app]}" "floor_save" "${anon_peak[floor]}" \
            "$(ratio "${anon_peak[app]}" "${anon_peak[floor]}")" "" "" ""
    fi
}

# --- 2. Sequence-number search with 10,000 logs of the day ------------------
bench_search() {
    note "sequence-number search with 10,000 logs of the same day"
    seq_dir=$work/seq
    mkdir -p "$seq_dir"
    day=$(date +%Y%m%d)
    # Empty files named as OrvexLog names the logs of the day: 1 to 10,000.
    (cd "$seq_dir" && seq 1 10000 | sed "s/.*/${day}_&.rtf/" | xargs touch)
    start_standin sample
    write_settings "$seq_dir"
    start_app
    probe save TMainForm 102 0 "$(win_path "$seq_dir")" '*_10001.rtf' 900 ||
        { echo "the save into the folder of 10,000 logs failed: $(cat "$work/probe.out")" >&2; exit 1; }
    t_seq=$(field file_ms)
    echo "sequence save: $(cat "$work/probe.out")" >>"$work/saves.txt"
    [[ $(date +%Y%m%d) == "$day" ]] || note "the day changed during the search; its figure is not comparable"
    probe list "$(win_path "$seq_dir")"
    t_list=$(field median_ms)
    r=$(ratio "$t_seq" "$t_list")
    row "save, small log, 10,000 logs of the day, ms" "$t_seq" "1 listing" "$t_list" "$r" "" "" ""
    if [[ -n $explain ]]; then
        probe seq-steps "$(win_path "$seq_dir")" "${day}_" "$(win_path "$app_dir/OrvexLog.ini")" 10000
        row "  10,000 x GetFileAttributesA, ms" "$(field attributes_ms)" "1 listing" "$t_list" \
            "$(ratio "$(field attributes_ms)" "$t_list")" "" "" ""
        row "  10,000 x 9 settings reads (read per number), ms" "$(field name_reads_ms)" "1 listing" "$t_list" \
            "$(ratio "$(field name_reads_ms)" "$t_list")" "" "" ""
    fi
    # The same small save into an empty folder, for scale.
    empty_dir=$work/empty
    mkdir -p "$empty_dir"
    write_settings "$empty_dir"
    small=()
    for ((i = 1; i <= 3; i++)); do
        rm -f "$empty_dir"/*
        probe save TMainForm 102 0 "$(win_path "$empty_dir")" '*.rtf' 900 ||
            { echo "the small save failed: $(cat "$work/probe.out")" >&2; exit 1; }
        small+=("$(field file_ms)")
        echo "small save, empty folder, run $i: $(cat "$work/probe.out")" >>"$work/saves.txt"
    done
    t_small=$(median "${small[@]}")
    row "save, small log, empty folder, ms (median of 3)" "$t_small" "1 listing" "$t_list" "$(ratio "$t_small" "$t_list")" "" "" ""
    stop_app
    stop_process "$standin"
    standin=
}

# --- 3. Start-up to the tray icon ---------------------------------------------
# The DLLs OrvexLog.exe imports, for minimal_tray to load beside its own: the
# part of start-up and memory that loading them costs, told from OrvexLog's
# own work.
imported_dlls() {
    i686-w64-mingw32-objdump -p "$build/OrvexLog.exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r' |
        paste -sd, -
}

bench_startup() {
    write_settings "$logs"
    start_runs=${runs:-7}
    dlls=$(imported_dlls)
    note "start-up to the tray icon: $start_runs runs each, after one unmeasured start of each"
    note "OrvexLog.exe imports $dlls"
    probe start TMainForm 0x111 202 60 "$(win_path "$app_dir/OrvexLog.exe")" || true
    probe start OrvexBenchTray 0x10 0 60 "$(win_path "$bench/minimal_tray.exe")" || true
    probe start OrvexBenchTrayDlls 0x10 0 60 "$(win_path "$bench/minimal_tray.exe")" "dlls=$dlls" || true
    icon_app=() icon_tray=() icon_dlls=() icon_libs=() gap_app=() gap_tray=() own_app=()
    programs=(app dlls tray)
    [[ -n $explain ]] && programs+=(libs)
    for ((i = 1; i <= start_runs; i++)); do
        order=("${programs[@]}")
        # Every other run backwards, so drift on a shared machine hits all.
        ((i % 2 == 0)) && mapfile -t order < <(printf '%s\n' "${programs[@]}" | tac)
        for who in "${order[@]}"; do
            case $who in
                app)
                    probe start TMainForm 0x111 202 60 "$(win_path "$app_dir/OrvexLog.exe")" ||
                        { echo "OrvexLog's tray icon did not appear: $(cat "$work/probe.out")" >&2; exit 1; }
                    icon_app+=("$(field icon_ms)")
                    gap_app+=("$(awk -v i="$(field icon_ms)" -v w="$(field window_ms)" 'BEGIN {print i - w}')")
                    ;;
                tray)
                    probe start OrvexBenchTray 0x10 0 60 "$(win_path "$bench/minimal_tray.exe")" ||
                        { echo "minimal_tray's icon did not appear: $(cat "$work/probe.out")" >&2; exit 1; }
                    icon_tray+=("$(field icon_ms)")
                    gap_tray+=("$(awk -v i="$(field icon_ms)" -v w="$(field window_ms)" 'BEGIN {print i - w}')")
                    ;;
                dlls)
                    probe start OrvexBenchTrayDlls 0x10 0 60 "$(win_path "$bench/minimal_tray.exe")" "dlls=$dlls" ||
                        { echo "minimal_tray's icon (with OrvexLog's DLLs) did not appear: $(cat "$work/probe.out")" >&2; exit 1; }
                    icon_dlls+=("$(field icon_ms)")
                    ;;
                libs)
                    probe start OrvexBenchTray 0x10 0 60 "$(win_path "$bench/minimal_tray.exe")" libs ||
                        { echo "minimal_tray's icon did not appear: $(cat "$work/probe.out")" >&2; exit 1; }
                    icon_libs+=("$(field icon_ms)")
                    ;;
            esac
            echo "start $who run $i: $(cat "$work/probe.out")" >>"$work/start.txt"
        done
    done
    t_app=$(median "${icon_app[@]}")
    t_tray=$(median "${icon_tray[@]}")
    t_dlls=$(median "${icon_dlls[@]}")
    r=$(ratio "$t_app" "$t_tray")
    row "start-up to tray icon, ms (median of $start_runs)" "$t_app" "minimal_tray" "$t_tray" "$r" "" "<= 1.10" "$(verdict "$r" 1.10)"
    row "  minimal_tray + OrvexLog's DLLs loaded, ms" "$t_dlls" "minimal_tray" "$t_tray" "$(ratio "$t_dlls" "$t_tray")" "" "" ""
    row "  OrvexLog's own work, ms" "$t_app" "tray + its DLLs" "$t_dlls" "$(ratio "$t_app" "$t_dlls")" "" "" ""
    if [[ -n $explain ]]; then
        t_libs=$(median "${icon_libs[@]}")
        row "  against minimal_tray + OLE, controls, riched32" "$t_app" "minimal_tray libs" "$t_libs" \
            "$(ratio "$t_app" "$t_libs")" "" "" ""
        t_app=$(median "${gap_app[@]}")
        t_tray=$(median "${gap_tray[@]}")
        row "  of which from its window to the icon, ms" "$t_app" "minimal_tray" "$t_tray" \
            "$(ratio "$t_app" "$t_tray")" "" "" ""
    fi
}

# --- 4. Idle: CPU, wake-ups, resident memory -----------------------------------
bench_idle() {
    note "idle for 60 s beside minimal_tray"
    write_settings "$logs"
    start_app
    wine "$bench/minimal_tray.exe" </dev/null >>"$work/tray.log" 2>&1 &
    tray=$!
    probe wait OrvexBenchTray 60 || { echo "minimal_tray did not start" >&2; exit 1; }
    # A second floor that also loads OrvexLog's DLLs: their share of the memory.
    wine "$bench/minimal_tray.exe" "dlls=$(imported_dlls)" </dev/null >>"$work/tray.log" 2>&1 &
    tray_dlls=$!
    probe wait OrvexBenchTrayDlls 60 || { echo "minimal_tray with OrvexLog's DLLs did not start" >&2; exit 1; }
    # Let all finish starting before the idle minute begins.
    sleep 2
    rss_app=$(status_kb "$app" VmRSS) rss_tray=$(status_kb "$tray" VmRSS)
    anon_app=$(status_kb "$app" RssAnon) anon_tray=$(status_kb "$tray" RssAnon)
    rss_dlls=$(status_kb "$tray_dlls" VmRSS) anon_dlls=$(status_kb "$tray_dlls" RssAnon)
    stop_process "$tray_dlls"
    tray_dlls=
    cpu_app=$(cpu_ms "$app") cpu_tray=$(cpu_ms "$tray")
    wake_app=$(wakeups "$app") wake_tray=$(wakeups "$tray")
    sleep 60
    cpu_app=$(($(cpu_ms "$app") - cpu_app)) cpu_tray=$(($(cpu_ms "$tray") - cpu_tray))
    wake_app=$(($(wakeups "$app") - wake_app)) wake_tray=$(($(wakeups "$tray") - wake_tray))
    # Within noise: no more than two clock ticks beyond the do-nothing program.
    idle_ok=$(awk -v a="$cpu_app" -v t="$cpu_tray" 'BEGIN {print (a <= t + 20) ? "ok" : "ABOVE"}')
    row "CPU time idle over 60 s, ms" "$cpu_app" "minimal_tray" "$cpu_tray" "-" "" "~ 0 (noise)" "$idle_ok"
    row "wake-ups idle over 60 s" "$wake_app" "minimal_tray" "$wake_tray" "-" "" "" ""
    row "resident memory after start-up, KB" "$rss_app" "minimal_tray" "$rss_tray" "$(ratio "$rss_app" "$rss_tray")" "" "" ""
    r=$(ratio "$anon_app" "$anon_tray")
    row "  of which private, KB" "$anon_app" "minimal_tray" "$anon_tray" "$r" "" "<= 1.50" "$(verdict "$r" 1.50)"
    row "  minimal_tray + OrvexLog's DLLs, KB" "$rss_dlls" "minimal_tray" "$rss_tray" "$(ratio "$rss_dlls" "$rss_tray")" "" "" ""
    row "    of which private, KB" "$anon_dlls" "minimal_tray" "$anon_tray" "$(ratio "$anon_dlls" "$anon_tray")" "" "" ""
    row "  OrvexLog's own private memory, KB" "$anon_app" "tray + its DLLs" "$anon_dlls" \
        "$(ratio "$anon_app" "$anon_dlls")" "" "" ""
    stop_process "$tray"
    tray=
    stop_app
}

# --- 5. Size -----------------------------------------------------------------
bench_size() {
    # The limit: the size of 2026-12-08 (291,328 bytes) and a little room.
    local limit=307200
    size=$(stat -c %s "$build/OrvexLog.exe")
    r=$(ratio "$size" "$limit")
    row "OrvexLog.exe size, bytes" "$size" "limit" "$limit" "$r" "" "<= 1.00" "$(verdict "$r" 1.00)"
}

note "Wine $(wine --version 2>/dev/null </dev/null), load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
want save && bench_saves
want search && bench_search
want start && bench_startup
want idle && bench_idle
want size && bench_size

# --- The table ----------------------------------------------------------------
note "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg); raw figures in $work"
printf '%-48s %10s  %-26s %10s  %7s  %7s  %-11s %s\n' "benchmark" "OrvexLog" "against" "" "ratio" "by CPU" "target" ""
for r in "${rows[@]}"; do
    IFS='|' read -r name ours refname ref ratio cpu_ratio target verdict <<<"$r"
    printf '%-48s %10s  %-26s %10s  %7s  %7s  %-11s %s\n' "$name" "$ours" "$refname" "$ref" "$ratio" "$cpu_ratio" \
        "$target" "$verdict"
done
