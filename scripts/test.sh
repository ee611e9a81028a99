#!/usr/bin/env bash
# Builds Corvane and runs every test. Run as root on Debian 12: bash scripts/test.sh
#   1. the program and all tests: unit, widget (offscreen), end to end (Xvfb);
#   2. the unit and widget tests again under AddressSanitizer and UBSan;
#   3. the codec fuzzer, for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)

echo "== Build and test"
cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/main -j "$jobs"
ctest --test-dir build/main -j "$jobs" --output-on-failure

echo "== Under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize -j "$jobs" --output-on-failure -L 'unit|widget'

echo "== Fuzzing the codec"
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCORVANE_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure
