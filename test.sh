#!/usr/bin/env bash
# Installs what is missing, builds everything with sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
scripts/install-deps.sh

build=build-asan
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQEL_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/testing/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 600
