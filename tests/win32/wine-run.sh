#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests, on $DISPLAY, in a test
# prefix whose Chinese fonts map to an installed CJK font. Used as CMake's
# cross-compiling emulator. A crash fails at once: no debugger is started.
#   wine-run.sh PROGRAM.exe [ARGS...]    or    wine-run.sh --stop
set -euo pipefail

prefix=${CORVANE_WINEPREFIX:-${TMPDIR:-/tmp}/corvane-wine-$(id -u)}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# --stop ends every Wine process of the test prefix, before its display goes.
if [ "${1:-}" = "--stop" ]; then
  wineserver -k 2>/dev/null || true
  exit 0
fi

if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: Wine needs an X display; scripts/test.sh starts an Xvfb for it" >&2
  exit 2
fi

# One prefix for every test; the first to arrive makes it.
(
  flock 9
  if [ ! -f "$prefix/.corvane-ready" ]; then
    wineboot -i >/dev/null 2>&1
    for font in SimSun "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft YaHei"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    done
    # Without a debugger a crashing program ends at once instead of waiting in winedbg.
    for key in 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
               'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug'; do
      wine reg delete "$key" /v Debugger /f >/dev/null 2>&1 || true
    done
    wineserver -w
    touch "$prefix/.corvane-ready"
  fi
) 9>"${prefix}.lock"

status=0
wine "$@" || status=$?
exit "$status"
