#!/usr/bin/env bash
# clang-tidy on src/ with the checks of .clang-tidy. The portable core and the
# simulated desktop are read through the native clang build's compile
# commands, the Win32 layer and the composition root (src/platform/win32,
# src/main) through the clang Windows build's; both builds need only be
# configured (they write compile_commands.json). Prints each finding once and
# "tidy: N findings"; any finding fails.
#   scripts/tidy.sh [NATIVE_BUILD_DIR] [WIN32_BUILD_DIR]   (build/clang, build/win32-clang)
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
native=${1:-$root/build/clang}
win32=${2:-$root/build/win32-clang}
jobs=${TIDY_JOBS:-2}

out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
for db in "$native" "$win32"; do
    if [[ ! -f $db/compile_commands.json ]]; then
        echo "tidy: no $db/compile_commands.json (configure that build first)"
        exit 1
    fi
done
run-clang-tidy -quiet -j "$jobs" -p "$native" "^$root/src/" >>"$out" 2>&1 || status=1
run-clang-tidy -quiet -j "$jobs" -p "$win32" "^$root/src/(platform/win32|main)/" >>"$out" 2>&1 || status=1

# A header's finding comes once per file that includes it.
findings=$(sed 's/\x1b\[[0-9;]*m//g' "$out" | grep -E '^/.*: (warning|error): ' | sort -u)
count=$(grep -c . <<<"$findings")
[[ -n $findings ]] && printf '%s\n' "$findings"
if ((status != 0 && count == 0)); then
    # clang-tidy itself failed (a file that does not compile, say).
    sed 's/\x1b\[[0-9;]*m//g' "$out" | grep -vE '^(clang-tidy|[0-9]+ warnings? generated|Suppressed|Use -header-filter)' | head -n 40
    count=1
fi
echo "tidy: $count findings"
((count == 0))
