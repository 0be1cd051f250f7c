#!/usr/bin/env bash
# Runs the scan benchmarks (bench/scan_bench.cpp) with repetitions in random
# interleaving and prints the medians and the ratios:
#   statistics scan / find DIR -printf '%s\n'     (target <= 1.1)
#   Build of all levels, take-over of 100,000     (target < 2 s each)
# The tree (100,000 folders, 200,000 files) is generated once in the temporary
# folder and kept for later runs.
# Usage: bench/scan_vs_find.sh [build-dir] [repetitions]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
reps=${2:-7}
bench="$build/bench/ordovan_bench"
[ -x "$bench" ] || { echo "no $bench: build the target ordovan_bench first" >&2; exit 1; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$bench" --benchmark_filter='BM_(ScanStatistics|FindPrintfSize|BuildAllLevels|TakeOver100000)' \
  --benchmark_repetitions="$reps" --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_out="$out" --benchmark_out_format=json \
  >/dev/null
python3 - "$out" <<'PY'
import json, sys
median = {r["run_name"].split("/")[0]: r for r in json.load(open(sys.argv[1]))["benchmarks"]
          if r.get("aggregate_name") == "median"}
def ms(name): return median[name]["real_time"]
for name in ("BM_ScanStatistics", "BM_FindPrintfSize", "BM_BuildAllLevels", "BM_TakeOver100000"):
    print("%-20s median %9.1f ms" % (name, ms(name)))
ratio = ms("BM_ScanStatistics") / ms("BM_FindPrintfSize")
print("scan / find:          %.2f (target <= 1.1) %s" % (ratio, "ok" if ratio <= 1.1 else "MISSED"))
for name in ("BM_BuildAllLevels", "BM_TakeOver100000"):
    print("%-20s  %.0f ms (target < 2000) %s" % (name, ms(name), "ok" if ms(name) < 2000 else "MISSED"))
PY
