#!/usr/bin/env bash
# Runs the reorganize benchmarks (bench/reorganize_bench.cpp) with repetitions
# in random interleaving, so the run and its reference see the same disk at the
# same time, and prints the medians and the ratios on this (local) disk, for
# Organize and Undo as the program runs them (journaled, the count of workers
# its own choice) and with one worker:
#   copy throughput of Organize "with Files" / cp -r    (target >= 1)
#   time of Undo / rm -rf                               (target <= 1.1)
#   time with the chosen workers / one worker           (target <= 1.05)
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
        median[r["run_name"].replace("/iterations:1", "").replace("/real_time", "")] = r
def ms(name): return median[name]["real_time"]  # the benchmarks report milliseconds
auto, one = "/0", "/1"
names = ["BM_OrganizeWithFiles" + auto, "BM_OrganizeWithFiles" + one, "BM_CpR",
         "BM_Undo" + auto, "BM_Undo" + one, "BM_RmRf", "BM_Simulation10000Paths"]
for name in names:
    extra = ""
    if "bytes_per_second" in median[name]:
        extra = "  %.1f MB/s" % (median[name]["bytes_per_second"] / 1e6)
    print("%-26s median %9.1f ms%s" % (name.replace(auto, "/auto"), ms(name), extra))
def check(label, value, target, higher):
    ok = value >= target if higher else value <= target
    print("%-42s %.2f (target %s %g) %s" % (label + ":", value, ">=" if higher else "<=", target,
                                            "ok" if ok else "MISSED"))
check("copy throughput Organize / cp -r", ms("BM_CpR") / ms("BM_OrganizeWithFiles" + auto), 1, True)
check("time Undo / rm -rf", ms("BM_Undo" + auto) / ms("BM_RmRf"), 1.1, False)
check("time Organize, chosen workers / one", ms("BM_OrganizeWithFiles" + auto) / ms("BM_OrganizeWithFiles" + one), 1.05, False)
check("time Undo, chosen workers / one", ms("BM_Undo" + auto) / ms("BM_Undo" + one), 1.05, False)
sim = ms("BM_Simulation10000Paths")
print("%-42s %.0f ms (target < 1000) %s" % ("Simulation of 10,000 paths:", sim, "ok" if sim < 1000 else "MISSED"))
EOF
