#!/usr/bin/env bash
# ordovan-cli organize against the desktop program's run of the same 100,000
# files (bench/cli_bench.cpp), interleaved at random in one run: medians and
# the ratio CLI / desktop (target <= 1.05).
# Usage: bench/cli_vs_desktop.sh [build-dir] [repetitions]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
reps=${2:-5}
bench="$build/bench/ordovan_bench"
[ -x "$bench" ] || { echo "no $bench: build the target ordovan_bench first" >&2; exit 1; }
out=$(mktemp)
. "$root/bench/scratch-fs.sh"
trap 'rm -f "$out"; scratch_fs_end' EXIT
# Every run copies into a new folder: about half a gigabyte each.
scratch_fs_begin $((reps + 2))
"$bench" --benchmark_filter='BM_(Desktop|Cli)Organize' --benchmark_repetitions="$reps" \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  --benchmark_out="$out" --benchmark_out_format=json >/dev/null
python3 - "$out" <<'PY'
import json, sys
median = {r["run_name"].split("/")[0]: r["real_time"]
          for r in json.load(open(sys.argv[1]))["benchmarks"] if r.get("aggregate_name") == "median"}
for name in ("BM_DesktopOrganize", "BM_CliOrganize"):
    print("%-20s median %9.1f ms" % (name, median[name]))
ratio = median["BM_CliOrganize"] / median["BM_DesktopOrganize"]
print("ordovan-cli / desktop run: %.3f (target <= 1.05) %s" % (ratio, "ok" if ratio <= 1.05 else "MISSED"))
PY
