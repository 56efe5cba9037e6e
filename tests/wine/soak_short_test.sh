#!/usr/bin/env bash
# The soak (soak.sh) at 50 rounds, short enough for every test run: 55 saves
# by tray double clicks and auto-save ticks, notices answered, five nested,
# no growth of windows, GDI objects or private memory, every log whole.
#   soak_short_test.sh BUILD_DIR
# lane: a
set -euo pipefail
exec bash "$(dirname "${BASH_SOURCE[0]}")/soak.sh" "$1" 50
