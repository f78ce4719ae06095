#!/usr/bin/env bash
# Builds data_bench in Release for a git revision and for the working tree,
# each in its own directory under /tmp, runs both with 5 repetitions on the
# large plan and prints the medians side by side. The working tree's bench/
# is built against both, so every benchmark has a figure before and after.
# Figures are only worth comparing on an otherwise idle machine.
#
#   bench/compare_data.sh [revision] [benchmark filter]
#
# revision defaults to HEAD; the filter is passed to --benchmark_filter.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
revision=${1:-HEAD}
filter=${2:-.}
jobs=${JOBS:-4}
work=${COMPARE_DIR:-/tmp/qel-compare-data}
mkdir -p "$work"

commit=$(git rev-parse --verify "$revision^{commit}")
before_src="$work/src-${commit:0:12}"
if [ ! -d "$before_src" ]; then
    mkdir -p "$before_src"
    git archive "$commit" | tar -x -C "$before_src"
fi
rm -rf "$before_src/bench"
cp -r bench "$before_src/bench"

build() {   # source directory, build directory
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQEL_BUILD_BENCH=ON >/dev/null
    cmake --build "$2" -j "$jobs" --target data_bench >/dev/null
}

run() {   # build directory, output file
    "$1/bin/data_bench" --benchmark_filter="$filter" --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true --benchmark_format=json >"$2"
}

echo "building $revision (${commit:0:12}) and the working tree" >&2
build "$before_src" "$work/build-before"
build "$PWD" "$work/build-after"
echo "running $revision" >&2
run "$work/build-before" "$work/before.json"
echo "running the working tree" >&2
run "$work/build-after" "$work/after.json"

python3 - "$work/before.json" "$work/after.json" "$revision" <<'PY'
import json, sys

def medians(path):
    rows = {}
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        counters = {k: v for k, v in b.items()
                    if k not in ("name", "run_name", "run_type", "repetitions", "repetition_index",
                                 "threads", "iterations", "real_time", "cpu_time", "time_unit",
                                 "aggregate_name", "aggregate_unit", "family_index",
                                 "per_family_instance_index")}
        rows[b["run_name"]] = (b["real_time"], b["time_unit"], counters)
    return rows

before, after = medians(sys.argv[1]), medians(sys.argv[2])
print(f"median of 5, real time          {sys.argv[3]:>16} {'working tree':>16}")
for name in sorted(set(before) | set(after), key=lambda n: (n not in after, n)):
    def cell(rows):
        if name not in rows:
            return "-"
        t, unit, _ = rows[name]
        return f"{t:.3f} {unit}"
    print(f"{name:32} {cell(before):>16} {cell(after):>16}")
    for key in sorted(set(after.get(name, (0, 0, {}))[2]) | set(before.get(name, (0, 0, {}))[2])):
        b = before.get(name, (0, 0, {}))[2].get(key)
        a = after.get(name, (0, 0, {}))[2].get(key)
        fmt = lambda v: "-" if v is None else f"{v:.4g}"
        print(f"  {key:30} {fmt(b):>16} {fmt(a):>16}")
PY
