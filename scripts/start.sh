#!/usr/bin/env bash
# Builds Corvane and starts it. Run as root on Debian 12: bash scripts/start.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Corvane 需要图形界面：没有找到显示器（DISPLAY 未设置）。请在桌面会话中运行。" >&2
  echo "Corvane needs a graphical display: DISPLAY is not set. Run this from a desktop session." >&2
  exit 1
fi

install_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF >/dev/null
cmake --build build/app
exec build/app/runtime/qt/corvane
