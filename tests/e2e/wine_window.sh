#!/usr/bin/env bash
# The Windows program under Wine in a real X window: it shows "Corvane" at
# 353 x 171, digests typed text, and "取消" ends it with status 0. Leaves a
# screenshot in $2. Needs no display of its own: it starts an Xvfb.
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/main_window.sh"
exe=$1
shots=$2
wine_run="$(dirname "$0")/../win32/wine-run.sh"

trap '"$wine_run" --stop; cleanup' EXIT
start_display
"$wine_run" "$exe" &
pid=$!
E2E_PIDS+=($pid)
window=$(wait_window Corvane)
geometry=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
expect_eq "$geometry" "353x171" "client size"

expect_typed_digest "$window" "abc" 900150983cd24fb0d6963f7d28e17f72
expect_typed_digest "$window" "计算" d5d12867c9fb08d6bdc033d3477504eb

clear_box "$window" "${INPUT[@]}"
mkdir -p "$shots"
import -window "$window" "$shots/windows-window.png"

cancel_ends "$window" "$pid"
