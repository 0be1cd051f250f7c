#!/usr/bin/env bash
# The run journal's cost and the Stop's delay:
#   Organize of 100,000 files with the journal / without it  (target <= 1.05)
#   a Stop during a run of small files, from the key to the end of the run
#     (the driver of the process tests, offscreen)           (target <= 100 ms)
# Usage: bench/journal_overhead.sh [build-dir] [repetitions]
# ORDOVAN_ORGANIZE_BENCH_FILES=20000 measures a smaller tree. The runs go in
# pairs (bench/pairs.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
reps=${2:-5}
bench="$build/bench/ordovan_bench"
driver="$build/tests/ordovan_journal_driver"
[ -x "$bench" ] || { echo "no $bench: build the target ordovan_bench first" >&2; exit 1; }
out=$(mktemp -d)
work=$(mktemp -d)
. "$root/bench/scratch-fs.sh"
trap 'rm -rf "$out" "$work"; scratch_fs_end' EXIT
. "$root/bench/pairs.sh"
# Two runs' copies are about a gigabyte.
scratch_fs_begin 2
bench_pairs "$bench" "$out" "$reps" OrganizeWithoutJournal OrganizeWithJournal \
  "with / without journal" 1.05
if [ -x "$driver" ]; then
  # 40 paths x 250 small files; Escape 300 ms after Organize.
  for c in $(seq 100 139); do
    mkdir -p "$work/f/Src/C$c/Y200/docs"
    (cd "$work/f/Src/C$c/Y200/docs" && for f in $(seq 1 250); do echo "$c $f" > "f$f.dat"; done)
  done
  mkdir -p "$work/f/New"
  latencies=()
  for i in $(seq 1 "$reps"); do
    line=$(QT_QPA_PLATFORM=offscreen "$driver" organize "$work" 0 300 2>/dev/null | grep stop-latency-ms)
    latencies+=("${line#stop-latency-ms }")
    QT_QPA_PLATFORM=offscreen "$driver" undo "$work" >/dev/null 2>&1
  done
  python3 - "${latencies[@]}" <<'PY'
import statistics, sys
values = sorted(int(v) for v in sys.argv[1:])
m = statistics.median(values)
print("Stop to end of run:        median %d ms of %s (target <= 100) %s" % (m, values, "ok" if m <= 100 else "MISSED"))
PY
fi
