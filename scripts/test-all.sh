#!/usr/bin/env bash
# Every test: installs whatever is missing, builds natively (build/native)
# and for Windows (build/win32), runs both CTest suites (the Windows one under
# Wine on a virtual display) and ends with "N passed, M failed".
#   scripts/test-all.sh
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh || { echo "0 passed, 1 failed"; exit 1; }

passed=0
failed=0
logs=$root/build/test-logs
mkdir -p "$logs"

# run_suite NAME BUILD_DIR CONFIGURE_ARGS...: configure, build, ctest.
run_suite() {
    local name=$1 dir=$2
    shift 2
    echo "=== $name: configure and build"
    if ! cmake -S . -B "$dir" "$@" >"$logs/$name-configure.log" 2>&1; then
        cat "$logs/$name-configure.log"
        echo "=== $name: configure FAILED"
        failed=$((failed + 1))
        return
    fi
    cmake --build "$dir" -j2 >"$logs/$name-build.log" 2>&1
    local status=$?
    grep -E "(warning|error)[: ]" "$logs/$name-build.log" || true
    if ((status != 0)); then
        tail -n 40 "$logs/$name-build.log"
        echo "=== $name: build FAILED"
        failed=$((failed + 1))
        return
    fi
    echo "=== $name: tests"
    ctest --test-dir "$dir" --output-on-failure 2>&1 | tee "$logs/$name-ctest.log"
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$logs/$name-ctest.log" | tail -n 1)
    if [[ -z $summary ]]; then
        echo "=== $name: no test summary"
        failed=$((failed + 1))
        return
    fi
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

started=$SECONDS
run_suite native "$root/build/native"
run_suite win32 "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

# Sanitizers and bounded fuzzing: the native suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer (build/asan), then every fuzz target for about
# twelve seconds (scripts/fuzz.sh, build/fuzz), each target counting as one
# test. SKIP_FUZZ=1 leaves the fuzzing out of a quick local run.
run_suite asan "$root/build/asan" -DORVEXLOG_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
if [[ ${SKIP_FUZZ:-0} == 1 ]]; then
    echo "=== fuzz: skipped (SKIP_FUZZ=1)"
else
    bash scripts/fuzz.sh 2>&1 | tee "$logs/fuzz.log"
    fuzz_status=${PIPESTATUS[0]}
    passed=$((passed + $(grep -c '^fuzz_[a-z_]*: passed' "$logs/fuzz.log")))
    fuzz_failed=$(grep -c '^fuzz_[a-z_]*: FAILED' "$logs/fuzz.log")
    ((fuzz_status != 0 && fuzz_failed == 0)) && fuzz_failed=1  # the build failed
    failed=$((failed + fuzz_failed))
fi
echo "=== done in $((SECONDS - started))s"
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
