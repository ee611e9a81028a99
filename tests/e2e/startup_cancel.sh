#!/usr/bin/env bash
# The built program starts in a real window of 353 x 171 titled "Corvane",
# and "取消" ends it with status 0. Leaves a screenshot in $2.
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/main_window.sh"
program=$1
shots=$2

start_display
"$program" &
pid=$!
E2E_PIDS+=($pid)
window=$(wait_window Corvane)
geometry=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
expect_eq "$geometry" "353x171" "client size"

mkdir -p "$shots"
sleep 0.5
import -window "$window" "$shots/linux-window.png"

cancel_ends "$window" "$pid"
