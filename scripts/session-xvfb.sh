#!/usr/bin/env bash
# Runs the session test on a virtual display and keeps a picture of the
# screen for each step: scripts/session-xvfb.sh [SHOTS_FOLDER] (default
# build-asan/session-shots). Needs xvfb-run (Debian package xvfb) and the
# test built: cmake --build build-asan --target qel_session_tests
set -euo pipefail
root="$(dirname "$(readlink -f "$0")")/.."
test_program="$root/build-asan/bin/qel_session_tests"
shots="$(readlink -f "${1:-$root/build-asan/session-shots}")"
[ -x "$test_program" ] || { echo "build it first: cmake --build build-asan --target qel_session_tests" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: apt-get install xvfb" >&2; exit 1; }

rm -rf "$shots"
mkdir -p "$shots"
export QT_QPA_PLATFORM=xcb
export QEL_SESSION_SHOTS="$shots"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$root/testing/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
xvfb-run -a -s "-screen 0 1920x1080x24" "$test_program"
echo "screenshots in $shots"
