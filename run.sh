#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the program.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
scripts/install-deps.sh

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"

if [ ! -x "$build/bin/QEL2" ]; then
  echo "The program QEL2 is not built yet: only its libraries and tests exist so far."
  exit 0
fi
exec "$build/bin/QEL2" "$@"
