#!/usr/bin/env bash
# Typed texts and a file chosen through the real file dialog give the digests
# md5sum gives; a file removed after it was chosen gives the error.
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/main_window.sh"
program=$1

scratch=$(mktemp -d)
trap 'cleanup; rm -rf "$scratch"' EXIT
start_display
"$program" &
E2E_PIDS+=($!)
window=$(wait_window Corvane)

expect_typed_digest "$window" "abc" 900150983cd24fb0d6963f7d28e17f72
expect_typed_digest "$window" "计算" d5d12867c9fb08d6bdc033d3477504eb

file="$scratch/校验 文件 😀.txt"
printf 'Corvane\n计算\n' > "$file"
click "$window" "${FILE_MODE[@]}"
wait_window "选择要计算的文件" >/dev/null
type_text "$file"
xdotool key Return
wait_window_gone "选择要计算的文件"
sleep 0.5
click "$window" "${CALCULATE[@]}"
expect_box "$window" "${RESULT[@]}" "$(md5sum < "$file" | cut -d' ' -f1)" "digest of the chosen file"

rm "$file"
click "$window" "${CALCULATE[@]}"
expect_box "$window" "${RESULT[@]}" "无法读取文件：文件不存在" "a file removed after it was chosen"
