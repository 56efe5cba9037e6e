#!/usr/bin/env bash
# The properties window's layout under Wine, at 96 DPI and at 144 DPI (150 %):
# every control at its designed place scaled to the screen, inside its
# container, and not overlapping its neighbours (tests/wine/check_layout.py);
# the same after WM_DPICHANGED to 120, 144 and 192 DPI, where 144 gives the
# layout of a start at 144 and 96 again today's, to the pixel; and where the
# arrow keys lead, in each radio group's tab order (the dialog manager's own
# walk; the Tab key's round is in properties_keys_e2e_test.sh).
#   properties_layout_test.sh BUILD_DIR
# lane: c
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

# shellcheck source=tests/wine/props_lib.sh
source "$here/props_lib.sh"
props_begin properties_layout
# expect_keys arrow FROM N WANT...: the next N controls the arrow keys reach
# from FROM.
expect_keys() {
    local kind=$1 from=$2 count=$3
    shift 3
    local got
    got=$(drive "$kind-order" "$from" "$count" | tr -d '\r' | tr '\n' ' ')
    [[ $got == "$* " ]] || fail "$kind keys from $from reach: $got; want: $*"
    echo "ok: $kind keys from $from: $*"
}

# check_at DPI: start the program at that DPI, open the window, check it.
check_at() {
    props_set_dpi "$1"
    props_start_app
    local dpi
    dpi=$(drive dpi | tr -d "\r")
    [[ $dpi == "$1" ]] || fail "the screen reports $dpi DPI, wanted $1"
    must "window shown" show 30
    must "layout dumped" dump "$work/layout-$1.txt"
    python3 "$here/check_layout.py" "$work/layout-$1.txt" "$1" || fail "layout at $1 DPI"
    if [[ $1 == 96 ]]; then
        # The window follows a new DPI of its monitor, and comes back.
        local to
        for to in 120 144 192 96; do
            must "WM_DPICHANGED to $to" dpi-changed "$to"
            must "layout dumped" dump "$work/layout-96to$to.txt"
            python3 "$here/check_layout.py" "$work/layout-96to$to.txt" "$to" || fail "layout after a change to $to DPI"
        done
        cmp "$work/layout-96.txt" "$work/layout-96to96.txt" || fail "back at 96 DPI the layout is not today's"
    else
        cmp "$work/layout-$1.txt" "$work/layout-96to$1.txt" || fail "a start at $1 DPI and a change to it differ"
    fi
    if [[ $1 == 96 ]]; then
        # The arrow keys in each radio group, in the buttons' tab order, which
        # for the separators is not their order on screen.
        expect_keys arrow Year2_RadioButton 2 Year4_RadioButton Year2_RadioButton
        expect_keys arrow Plain_RadioButton1 3 Plain_RadioButton3 Plain_RadioButton2 Plain_RadioButton1
        expect_keys arrow Month_CheckBox 1 Month_CheckBox
        must "page 2" page 1 10
        expect_keys arrow RichText_RadioButton 2 Plain_RadioButton RichText_RadioButton
        must "page 3" page 2 10
        expect_keys arrow Save_RadioButton 3 MainForm_RadioButton None_RadioButton Save_RadioButton
    fi
    props_stop_app
}

check_at 96
check_at 144
echo "properties layout: all checks passed"
