#!/usr/bin/env bash
# clang-tidy on src/ with the checks of .clang-tidy (scripts/tidy.py says how).
#   scripts/tidy.sh [NATIVE_BUILD_DIR] [WIN32_BUILD_DIR]   (build/clang, build/win32-clang)
exec python3 "$(dirname "${BASH_SOURCE[0]}")/tidy.py" "$@"
