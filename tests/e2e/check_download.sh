#!/usr/bin/env bash
# Checking a download as a user does: the program is started with a file
# (as "Open With" starts it) and shows its digest, green beside a matching
# MD5SUMS and red beside a wrong one; a digest the user copied out of the
# window is not taken for an expected one. Leaves screenshots of a match and
# a mismatch in $2. With --wine, the same for the Windows program under Wine.
#   check_download.sh PROGRAM SHOTS [--wine]
source "$(dirname "$0")/x11.sh"
source "$(dirname "$0")/main_window.sh"
program=$1
shots=$2
wine=${3:-}
wine_run="$(dirname "$0")/../win32/wine-run.sh"
suffix=$([ -n "$wine" ] && echo "-windows" || echo "")

scratch=$(mktemp -d)
trap '[ -n "$wine" ] && "$wine_run" --stop; cleanup; rm -rf "$scratch"' EXIT
start_display
mkdir -p "$shots"

file="$scratch/下载 文件.iso"
head -c 300000 /dev/urandom > "$file"
digest=$(md5sum < "$file" | cut -d' ' -f1)

# The path as the program is given it: a Windows path under Wine.
argument() { if [ -n "$wine" ]; then "$wine_run" winepath -w "$1" | tr -d '\r'; else echo "$1"; fi; }

start_with() {
  if [ -n "$wine" ]; then "$wine_run" "$program" "$(argument "$1")" & else "$program" "$1" & fi
  pid=$!
  E2E_PIDS+=($pid)
  window=$(wait_window Corvane)
  sleep 1
}

# How many pixels of the result box are mostly green, and mostly red.
colours() {
  import -window "$window" "$scratch/shot.png"
  convert "$scratch/shot.png" -crop 336x20+8+80 +repage -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 { r = $3 + 0; g = $4 + 0; b = $5 + 0;
                            if (g > 90 && r < 80 && b < 80) green++; if (r > 180 && g < 90 && b < 90) red++ }
                   END { print green + 0, red + 0 }'
}

expect_look() {
  local green red
  read -r green red < <(colours)
  case $1 in
    green) [ "$green" -gt 20 ] && [ "$red" -eq 0 ] || fail "$2: $green green and $red red pixels" ;;
    red) [ "$red" -gt 20 ] && [ "$green" -eq 0 ] || fail "$2: $green green and $red red pixels" ;;
    plain) [ "$green" -eq 0 ] && [ "$red" -eq 0 ] || fail "$2: $green green and $red red pixels" ;;
  esac
  echo "ok: $2 ($green green, $red red pixels)"
}

stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -n "$wine" ] && "$wine_run" --stop
  sleep 0.5
}

printf '%s  other.iso\n%s *下载 文件.iso\n' 0123456789abcdef0123456789abcdef "$digest" > "$scratch/MD5SUMS"
start_with "$file"
expect_look green "a digest that MD5SUMS lists"
cp "$scratch/shot.png" "$shots/check-match$suffix.png"
expect_box "$window" "${RESULT[@]}" "$digest" "the digest of the file given at start"
stop

printf '%s  下载 文件.iso\n' 0123456789abcdef0123456789abcdef > "$scratch/MD5SUMS"
start_with "$file"
expect_look red "a digest that MD5SUMS lists otherwise"
cp "$scratch/shot.png" "$shots/check-mismatch$suffix.png"
stop

rm "$scratch/MD5SUMS"
start_with "$file"
expect_box "$window" "${RESULT[@]}" "$digest" "the digest, copied out of the window"
click "$window" "${CALCULATE[@]}"
click "$window" "${INPUT[@]}"  # the result box loses its selection
expect_look plain "the program's own digest on the clipboard is no expectation"
cancel_ends "$window" "$pid"

if [ -z "$wine" ]; then
  "$program" --version | grep -qx "Corvane [0-9.]*" || fail "--version"
  "$program" --help | grep -q "用法：corvane \[文件\]" || fail "--help"
  status=0
  "$program" --no-such-option 2>"$scratch/err" || status=$?
  expect_eq "$status" 2 "exit status of an unknown option"
  grep -q "用法" "$scratch/err" || fail "no usage on stderr"
  status=0
  "$program" a b 2>/dev/null || status=$?
  expect_eq "$status" 2 "exit status of a second file"
fi
