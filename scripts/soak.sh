#!/usr/bin/env bash
# The long soak of OrvexLog.exe under Wine (tests/wine/soak.sh): builds the
# Windows build (build/win32) and drives ROUNDS saves, 1,000 by default;
# prints the program's USER/GDI objects and private memory after 10 rounds
# and at the end. Takes a few minutes.
#   scripts/soak.sh [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build/win32
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    >/dev/null
cmake --build "$build" -j2 --target OrvexLog host_standin ui_driver soak_driver >/dev/null
exec bash "$root/tests/wine/soak.sh" "$build" "${1:-1000}"
