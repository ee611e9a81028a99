#!/usr/bin/env bash
# Builds Corvane and runs every test. Run as root on Debian 12: bash scripts/test.sh
#   1. the Windows program, cross-built with mingw-w64;
#   2. the Linux program and its tests: unit, widget (offscreen), end to end
#      (Xvfb), and the Windows program's resources and window under Wine;
#   3. the Windows program's own tests, under Wine;
#   4. the unit and widget tests again under AddressSanitizer and UBSan;
#   5. the codec fuzzer, for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

jobs=$(nproc)
seconds() { date +%s; }

echo "== Cross-build the Windows program"
cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j "$jobs" --target all windows_release
exe=$PWD/build/windows/runtime/win32/corvane.exe

echo "== Build and test"
cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WINDOWS_EXE="$exe" >/dev/null
cmake --build build/main -j "$jobs"
ctest --test-dir build/main -j "$jobs" --output-on-failure

echo "== The Windows program's tests, under Wine"
wine_start=$(seconds)
source tests/e2e/x11.sh
start_display
ctest --test-dir build/windows -j "$jobs" --output-on-failure
tests/win32/wine-run.sh --stop
cleanup
unset DISPLAY
echo "Wine tests took $(( $(seconds) - wine_start )) s"

echo "== Under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize -j "$jobs" --output-on-failure -L 'unit|widget'

echo "== Fuzzing the codec"
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCORVANE_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure
