#!/usr/bin/env bash
# The program's main job, on a machine without a desktop: under Wine on a
# virtual display, the stand-in shows the companion's coloured log, OrvexLog
# saves it, and the command prints where the file went. Installs whatever is
# missing first.
#   scripts/demo.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"

bash scripts/install-deps.sh

build=$root/build/win32
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j2 --target OrvexLog host_standin

demo=$root/build/demo
rm -rf "$demo"
mkdir -p "$demo"
standin=
cleanup() {
    [[ -n $standin ]] && stop_process "$standin"
    wine_session_stop "$demo/wine"
}
trap cleanup EXIT

echo "Starting Wine on a virtual display (first boot of a fresh prefix)..."
wine_session_start "$demo/wine"
wine_session_env "$demo/wine"

# The companion's log window with its coloured Japanese chat log.
title="LogDisplay (100%)"
wine "$build/host_standin.exe" --companion=100 --ready="$(win_path "$demo/standin.ready")" \
    </dev/null >"$demo/standin.log" 2>&1 &
standin=$!
wait_until 60 "the companion's log window" test -s "$demo/standin.ready"
WINE_SESSION_DIR=$demo/wine bash scripts/screenshot.sh "$title" "$demo/companion-log.png" >/dev/null
echo "The companion's log window \"$title\" is on screen; picture: $demo/companion-log.png"

# Saving is OrvexLog's job; its save command is not in the program yet.
echo "OrvexLog.exe cannot save the log yet (its save command is still being built): the demo stops here."
