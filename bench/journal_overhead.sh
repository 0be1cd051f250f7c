#!/usr/bin/env bash
# The run journal's cost and the Stop's delay:
#   Organize of 100,000 files with the journal / without it  (target <= 1.05)
#   a Stop during a run of small files, from the key to the end of the run
#     (the driver of the process tests, offscreen)           (target <= 100 ms)
# Usage: bench/journal_overhead.sh [build-dir] [repetitions]
# ORDOVAN_ORGANIZE_BENCH_FILES=20000 measures a smaller tree. Prints each pair
# of runs, the medians and the median of the pairs' ratios.
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
# The two runs of a pair follow each other, in turns one or the other first,
# each in its own process, which removes its copies when it ends: the file
# system is in the same state for both, and does not fill up from pair to
# pair (a filling one made later runs up to a quarter slower, more than the
# difference measured). Two runs' copies are about a gigabyte.
scratch_fs_begin 2
# Not counted: it makes the tree, and while the tree is still being written
# out the first run is slower.
"$bench" --benchmark_filter="BM_OrganizeWithoutJournal/" >/dev/null
for i in $(seq 1 "$reps"); do
  if [ $((i % 2)) -eq 1 ]; then order="Without With"; else order="With Without"; fi
  for kind in $order; do
    "$bench" --benchmark_filter="BM_Organize${kind}Journal/" \
      --benchmark_out="$out/$kind.$i.json" --benchmark_out_format=json >/dev/null
  done
done
python3 - "$out" "$reps" <<'PY'
import json, statistics, sys
def time(kind, i):
    return json.load(open("%s/%s.%d.json" % (sys.argv[1], kind, i)))["benchmarks"][0]["real_time"]
reps = range(1, int(sys.argv[2]) + 1)
plain = [time("Without", i) for i in reps]
journal = [time("With", i) for i in reps]
ratio = statistics.median(j / p for j, p in zip(journal, plain))
for p, j in zip(plain, journal):
    print("  pair: %7.1f ms without, %7.1f ms with the journal" % (p, j))
print("Organize without journal   median %9.1f ms" % statistics.median(plain))
print("Organize with journal      median %9.1f ms" % statistics.median(journal))
print("with / without journal:    %.3f, median of %d pairs (target <= 1.05) %s"
      % (ratio, len(plain), "ok" if ratio <= 1.05 else "MISSED"))
PY
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
