#!/usr/bin/env bash
# Bounded fuzzing: builds the libFuzzer targets of fuzz/ with clang in
# build/fuzz, then runs each for FUZZ_SECONDS (default 12) on its seed corpus
# (fuzz/corpus/<name>) and on what earlier runs found (build/fuzz/corpus/<name>).
# A crash, a leak, a sanitizer report or a broken property fails the run; the
# input that did it is kept in build/fuzz/artifacts/. One line per target:
# executions, and the coverage and inputs gained over the seeds.
#   scripts/fuzz.sh                      every target
#   scripts/fuzz.sh sjis log_name        some of them
#   FUZZ_SECONDS=300 scripts/fuzz.sh     a longer local run
#   FUZZ_JOBS=1 scripts/fuzz.sh          one target at a time (two by default)
# Replay a kept input: build/fuzz/fuzz_<name> build/fuzz/artifacts/<file>
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

seconds=${FUZZ_SECONDS:-12}
build=$root/build/fuzz

# name  dictionary  longest input (bytes)
targets=(
    "ini_document       ini_document.dict  12000"
    "sjis               paths.dict         4096"
    "shorten_path       paths.dict         1024"
    "create_folder_chain paths.dict        300"
    "log_name           -                  512"
)

echo "=== fuzz: configure and build (clang, build/fuzz)"
mkdir -p "$build"
if ! { cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DORVEXLOG_FUZZ=ON -DORVEXLOG_TESTS=OFF \
        -DCMAKE_BUILD_TYPE= "-DCMAKE_CXX_FLAGS=-O1 -gline-tables-only" &&
        cmake --build "$build" -j2 --target fuzz_targets; } >"$build/build.log" 2>&1; then
    tail -n 40 "$build/build.log"
    echo "=== fuzz: build FAILED"
    exit 1
fi
grep -E "(warning|error): " "$build/build.log" || true

# The folder-chain target makes and removes a folder tree per input: fifteen
# times faster on a memory file system when there is one.
scratch=${TMPDIR:-/tmp}
[[ -d /dev/shm && -w /dev/shm ]] && scratch=/dev/shm

# fuzz_one NAME DICT MAXLEN: runs one target; its line (and, when it fails,
# what it found) goes to build/fuzz/NAME.out, its status to NAME.status.
fuzz_one() {
    local name=$1 dict=$2 maxlen=$3
    local corpus=$build/corpus/$name log=$build/$name.log out=$build/$name.out status
    mkdir -p "$corpus" "$build/artifacts"
    # Fast inputs get more of the time: a file with a 100 KB line is slow to parse.
    local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$maxlen"
                   -entropic_scale_per_exec_time=1 -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-")
    [[ $dict != - ]] && options+=(-dict="$root/fuzz/$dict")
    TMPDIR=$scratch "$build/fuzz_$name" "${options[@]}" "$corpus" "$root/fuzz/corpus/$name" >"$log" 2>&1
    status=$?

    # "#N INITED cov: X ft: Y corp: ..." after the seeds, "#N DONE cov: ..." at the end.
    local start_cov end_cov runs added
    start_cov=$(sed -nE 's/.*INITED cov: ([0-9]+).*/\1/p' "$log" | tail -n 1)
    end_cov=$(sed -nE 's/.*DONE +cov: ([0-9]+).*/\1/p' "$log" | tail -n 1)
    runs=$(sed -nE 's/^stat::number_of_executed_units: +([0-9]+)/\1/p' "$log" | tail -n 1)
    added=$(sed -nE 's/^stat::new_units_added: +([0-9]+)/\1/p' "$log" | tail -n 1)
    if ((status == 0)); then
        echo "fuzz_$name: passed, ${runs:-?} runs in ${seconds}s, coverage ${start_cov:-?} -> ${end_cov:-?} edges, ${added:-0} new inputs" >"$out"
    else
        { grep -m1 -A 30 -E "PROPERTY BROKEN|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error" "$log" ||
            tail -n 30 "$log"
          echo "fuzz_$name: FAILED (exit $status) after ${runs:-?} runs; input kept as build/fuzz/artifacts/$name-*; log $log"
        } >"$out"
    fi
    echo "$status" >"$build/$name.status"
}

# Two targets at a time (FUZZ_JOBS): each uses one processor.
chosen=()
for entry in "${targets[@]}"; do
    read -r name dict maxlen <<<"$entry"
    if (($# > 0)) && [[ " $* " != *" $name "* ]]; then continue; fi
    while (($(jobs -rp | wc -l) >= ${FUZZ_JOBS:-2})); do wait -n; done
    fuzz_one "$name" "$dict" "$maxlen" &
    chosen+=("$name")
done
wait
failed=0
for name in "${chosen[@]}"; do
    cat "$build/$name.out"
    [[ $(<"$build/$name.status") == 0 ]] || failed=$((failed + 1))
done
((failed == 0))
