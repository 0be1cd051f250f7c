#!/usr/bin/env bash
# Runs the reorganize benchmarks (bench/reorganize_bench.cpp) with repetitions
# in random interleaving, so the run and its reference see the same disk at the
# same time, and prints the medians and the ratios:
#   copy throughput of Organize "with Files" / cp -r    (target >= 0.85)
#   time of Undo / rm -rf                               (target <= 2)
#   Simulation of 10,000 paths                          (target < 1 s)
# Usage: bench/copy_vs_cp.sh [build-dir] [repetitions]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
reps=${2:-3}
bench="$build/bench/ordovan_bench"
[ -x "$bench" ] || { echo "no $bench: build the target ordovan_bench first" >&2; exit 1; }
out=$(mktemp)
sim=$(mktemp)
trap 'rm -f "$out" "$sim"' EXIT
# The pairs interleaved; the simulation on its own, so that 200 MB of copies
# in between do not push its tree out of the caches.
"$bench" --benchmark_filter='BM_(OrganizeWithFiles|CpR|Undo|RmRf)/' \
  --benchmark_repetitions="$reps" --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_out="$out" --benchmark_out_format=json \
  >/dev/null
"$bench" --benchmark_filter='BM_Simulation10000Paths' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_out="$sim" --benchmark_out_format=json \
  >/dev/null
python3 - "$out" "$sim" <<'EOF'
import json, sys
runs = [r for f in sys.argv[1:] for r in json.load(open(f))["benchmarks"]]
median = {}
for r in runs:
    if r.get("aggregate_name") == "median":
        median[r["run_name"].split("/")[0]] = r
def ms(name): return median[name]["real_time"]  # the benchmarks report milliseconds
for name in ("BM_OrganizeWithFiles", "BM_CpR", "BM_Undo", "BM_RmRf", "BM_Simulation10000Paths"):
    extra = ""
    if "bytes_per_second" in median[name]:
        extra = "  %.1f MB/s" % (median[name]["bytes_per_second"] / 1e6)
    print("%-26s median %9.1f ms%s" % (name, ms(name), extra))
copy = ms("BM_CpR") / ms("BM_OrganizeWithFiles")
undo = ms("BM_Undo") / ms("BM_RmRf")
sim = ms("BM_Simulation10000Paths")
print("copy throughput Organize / cp -r: %.2f (target >= 0.85) %s" % (copy, "ok" if copy >= 0.85 else "MISSED"))
print("time Undo / rm -rf:               %.2f (target <= 2)    %s" % (undo, "ok" if undo <= 2 else "MISSED"))
print("Simulation of 10,000 paths:       %.0f ms (target < 1000) %s" % (sim, "ok" if sim < 1000 else "MISSED"))
EOF
