#!/usr/bin/env bash
# Every test: installs whatever is missing, builds for Windows with GCC
# (build/win32) and runs that suite under Wine in three sessions side by side
# (the lanes); beside them, at the lowest priority, the rest: clang's Windows
# build (build/win32-clang), whose win32_tests and save script run in Wine
# sessions of their own; the native suite built by GCC (build/native) and by
# clang under its sanitizers (build/clang); clang-tidy on src/
# (scripts/tidy.sh); the fuzz targets. Every build treats a warning as an
# error. Ends with a line of times per part and "N passed, M failed".
#   scripts/test-all.sh
# The Windows suite mostly waits (on Wine, on hosts that are slow on
# purpose), so the rest runs beside it and the processor is seldom idle.
# SKIP_FUZZ=1 leaves the fuzzing out of a quick local run.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

started=$SECONDS
bash scripts/install-deps.sh || { echo "0 passed, 1 failed"; exit 1; }
install_s=$((SECONDS - started))

logs=$root/build/test-logs
mkdir -p "$logs"
rm -f "$logs"/*.result

# configure_suite NAME BUILD_DIR CONFIGURE_ARGS...: configures; a failure
# counts as one failed test.
configure_suite() {
    local name=$1 dir=$2
    shift 2
    echo "=== $name: configure and build (at $((SECONDS - started)) s)"
    if ! cmake -S . -B "$dir" "$@" >"$logs/$name-configure.log" 2>&1; then
        cat "$logs/$name-configure.log"
        echo "=== $name: configure FAILED"
        echo "0 1" >"$logs/$name.result"
        return 1
    fi
}

# build_only NAME BUILD_DIR: builds a configured suite; a failure counts as
# one failed test.
build_only() {
    local name=$1 dir=$2
    cmake --build "$dir" -j2 >"$logs/$name-build.log" 2>&1
    local status=$?
    grep -E "(warning|error)[: ]" "$logs/$name-build.log" || true
    if ((status != 0)); then
        tail -n 40 "$logs/$name-build.log"
        echo "=== $name: build FAILED"
        echo "0 1" >"$logs/$name.result"
        return 1
    fi
}

# build_suite NAME BUILD_DIR CONFIGURE_ARGS...: both.
build_suite() { configure_suite "$@" && build_only "$1" "$2"; }

# test_suite NAME BUILD_DIR CTEST_ARGS...: runs CTest; "passed failed" goes
# to $logs/NAME.result.
test_suite() {
    local name=$1 dir=$2
    shift 2
    echo "=== $name: tests (at $((SECONDS - started)) s)"
    ctest --test-dir "$dir" --output-on-failure "$@" >"$logs/$name-ctest.log" 2>&1
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$logs/$name-ctest.log" | tail -n 1)
    if [[ -z $summary ]]; then
        cat "$logs/$name-ctest.log"
        echo "=== $name: no test summary"
        echo "0 1" >"$logs/$name.result"
        return
    fi
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
    echo "$((total - bad)) $bad" >"$logs/$name.result"
    # Passing tests print nothing but their line; failures their output.
    grep -vE '^ *(Start +[0-9]+: |[0-9]+/[0-9]+ Test +#[0-9]+: .* +Passed )' "$logs/$name-ctest.log" | \
        sed "s/^/[$name] /" | grep -vE '^\[[a-z0-9]+\] *$' || true
    echo "=== $name: $summary (at $((SECONDS - started)) s)"
}

# timed VAR COMMAND...: runs COMMAND, whose status it returns; VAR gets its
# seconds.
timed() {
    local var=$1 t=$SECONDS status
    shift
    "$@"
    status=$?
    printf -v "$var" '%s' "$((SECONDS - t))"
    return "$status"
}

# Beside the Windows build and then the Wine lanes, at the lowest priority
# so that those get the processor whenever they want it: the clang Windows
# build first, so that its Wine tests start early; then the native suite
# built by GCC; the clang native build under AddressSanitizer and
# UndefinedBehaviorSanitizer with its suite, and beside it, from its
# configure on, clang-tidy on src/ (one test): its many short runs fill
# whatever processor the builds and suites leave; last every fuzz target for
# about twelve seconds (scripts/fuzz.sh, build/fuzz), each target counting
# as one test, at the lanes' priority so that a run gets its twelve seconds
# of processor.
side_started=$SECONDS
(
    renice -n 19 "$BASHPID" >/dev/null
    # run_at_lane_priority COMMAND...: at the lanes' priority where that may
    # be asked for (as root), else at this part's.
    run_at_lane_priority() { (renice -n 0 "$BASHPID" >/dev/null 2>&1; "$@"); }
    pids=()
    if build_suite win32clang "$root/build/win32-clang" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-clang-mingw-i686.cmake \
        -DCMAKE_BUILD_TYPE=Release -DORVEXLOG_WERROR=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DORVEXLOG_WINE_LANES=a; then
        run_at_lane_priority test_suite win32clang "$root/build/win32-clang" \
            -R '^(win32_tests|wine_save_e2e_test)$' &
        pids+=($!)
    fi
    build_suite native "$root/build/native" -DORVEXLOG_WERROR=ON && test_suite native "$root/build/native"
    if configure_suite clang "$root/build/clang" -DCMAKE_CXX_COMPILER=clang++ -DORVEXLOG_SANITIZE=ON \
        -DCMAKE_BUILD_TYPE=Debug -DORVEXLOG_WERROR=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON; then
        (echo "=== tidy: clang-tidy on src/ (at $((SECONDS - started)) s)"
            if bash scripts/tidy.sh "$root/build/clang" "$root/build/win32-clang" >"$logs/tidy.log" 2>&1; then
                echo "1 0" >"$logs/tidy.result"
            else
                echo "0 1" >"$logs/tidy.result"
            fi
            tail -n 40 "$logs/tidy.log"
            echo "=== tidy: done (at $((SECONDS - started)) s)") &
        pids+=($!)
        build_only clang "$root/build/clang" && test_suite clang "$root/build/clang" -j2
    fi
    if [[ ${SKIP_FUZZ:-0} == 1 ]]; then
        echo "=== fuzz: skipped (SKIP_FUZZ=1)"
    else
        run_at_lane_priority bash scripts/fuzz.sh >"$logs/fuzz.log" 2>&1
        fuzz_status=$?
        grep -E '^(fuzz_|===)' "$logs/fuzz.log"
        echo "=== fuzz: done (at $((SECONDS - started)) s)"
        fuzz_passed=$(grep -c '^fuzz_[a-z_]*: passed' "$logs/fuzz.log")
        fuzz_failed=$(grep -c '^fuzz_[a-z_]*: FAILED' "$logs/fuzz.log")
        ((fuzz_status != 0 && fuzz_failed == 0)) && fuzz_failed=1  # the build failed
        echo "$fuzz_passed $fuzz_failed" >"$logs/fuzz.result"
    fi
    wait "${pids[@]}"
) &
side_pid=$!

# The Windows build, then its suite: the three Wine lanes (ctest -j4: the
# lanes and the checks that need no Wine).
wine_s=0
timed win32_build_s build_suite win32 "$root/build/win32" \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release -DORVEXLOG_WERROR=ON &&
    timed wine_s test_suite win32 "$root/build/win32" -j4

wait "$side_pid"
side_s=$((SECONDS - side_started))

passed=0
failed=0
for result in "$logs"/*.result; do
    read -r p f <"$result"
    passed=$((passed + p))
    failed=$((failed + f))
done
echo "=== done in $((SECONDS - started))s: install ${install_s}s, Windows build ${win32_build_s:-0}s," \
    "then the Wine lanes ${wine_s}s; beside them the clang, native, tidy and fuzz part ${side_s}s"
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
