# Helpers for driving a program in a real X window under Xvfb with xdotool.
# Source it; every helper fails the test loudly.

set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

E2E_PIDS=()
# Ends what the test started, and waits until it is gone: an X server that
# is still shutting down would answer the next test's first request.
cleanup() {
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  E2E_PIDS=()
}
trap cleanup EXIT

# Starts Xvfb on a free display and exports DISPLAY.
start_display() {
  local n
  for n in $(seq 91 160); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    local server=$!
    E2E_PIDS+=($server)
    export DISPLAY=":$n"
    for _ in $(seq 100); do
      kill -0 "$server" 2>/dev/null || break  # lost the race for this display
      xdpyinfo >/dev/null 2>&1 && sleep 0.2 && kill -0 "$server" 2>/dev/null && return 0
      sleep 0.1
    done
    kill -0 "$server" 2>/dev/null && fail "Xvfb did not start on :$n"
  done
  fail "no free X display"
}

# Prints the id of the visible window whose title is exactly $1, waiting for it.
wait_window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || fail "no window titled '$1'"
  echo "$id"
}

# Waits until no visible window is titled $1.
wait_window_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$1' is still open"
}

# click WINDOW X Y: a left click at client coordinates X, Y.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}

# type_text TEXT: types into the focused control, Chinese and emoji included.
type_text() {
  xdotool type --delay 30 "$1"
  sleep 0.3
}

# read_box WINDOW X Y: the whole text of the edit box at X, Y, through the clipboard.
read_box() {
  click "$1" "$2" "$3"
  xdotool key End shift+Home ctrl+c
  sleep 0.3
  xclip -o -selection clipboard 2>/dev/null || true  # empty until the program has answered
}

# clear_box WINDOW X Y: empties the edit box at X, Y.
clear_box() {
  click "$1" "$2" "$3"
  xdotool key End shift+Home BackSpace
  sleep 0.2
}

# expect_box WINDOW X Y EXPECTED WHAT: the box at X, Y comes to hold EXPECTED
# within a few seconds (a click right after a dialog closes may wait).
expect_box() {
  local got
  for _ in $(seq 10); do
    got=$(read_box "$1" "$2" "$3")
    [ "$got" = "$4" ] && break
    sleep 0.3
  done
  expect_eq "$got" "$4" "$5"
}

# expect_typed_digest WINDOW TEXT DIGEST: typed into the emptied input box,
# TEXT gives DIGEST in the result box.
expect_typed_digest() {
  clear_box "$1" "${INPUT[@]}"
  type_text "$2"
  click "$1" "${CALCULATE[@]}"
  expect_box "$1" "${RESULT[@]}" "$3" "digest of $2"
}

# cancel_ends WINDOW PID: a click on "取消" ends the program, with status 0.
cancel_ends() {
  click "$1" "${CANCEL[@]}"
  for _ in $(seq 100); do
    kill -0 "$2" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$2" 2>/dev/null && fail "the program still runs after 取消"
  local status=0
  wait "$2" || status=$?
  expect_eq "$status" 0 "exit status after 取消"
}

expect_eq() {
  [ "$1" = "$2" ] || fail "$3: got '$1', expected '$2'"
  echo "ok: $3"
}
