#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the program.
set -euo pipefail
root="$(dirname "$(readlink -f "$0")")"
"$root/scripts/install-deps.sh"

# Stay in the caller's directory, so that a document named by a relative path opens.
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQEL_BUILD_BENCH=OFF -DQEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"

# Without a document named, start on a small demo plan, made once.
if [ $# -eq 0 ]; then
  demo="$build/demo/Demo.qel"
  if [ ! -f "$demo" ]; then
    mkdir -p "$build/demo"
    "$build/bin/qel-genplan" "$demo"
  fi
  set -- "$demo"
fi
exec "$build/bin/QEL2" "$@"
