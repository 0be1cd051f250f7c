# Sourced by the scripts that compare two runs of the 100,000-file tree.
#
# bench_pairs BENCH OUT-DIR REPS BASE OTHER LABEL TARGET runs REPS pairs of
# the benchmarks BM_BASE and BM_OTHER, in turns one or the other first, each
# run in its own process, which removes its copies when it ends: the file
# system is in the same state for both, and does not fill up from pair to
# pair (a filling one made later runs up to a quarter slower, more than the
# differences measured). A first run, not counted, makes the tree; while the
# tree is still being written out a run is slower. Prints each pair, the
# medians and the median of the pairs' ratios OTHER / BASE against TARGET.
bench_pairs() {
  local bench=$1 out=$2 reps=$3 base=$4 other=$5 label=$6 target=$7 i name
  "$bench" --benchmark_filter="BM_$base/" >/dev/null
  for i in $(seq 1 "$reps"); do
    if [ $((i % 2)) -eq 1 ]; then set -- "$base" "$other"; else set -- "$other" "$base"; fi
    for name in "$@"; do
      "$bench" --benchmark_filter="BM_$name/" --benchmark_out="$out/$name.$i.json" \
        --benchmark_out_format=json >/dev/null
    done
  done
  python3 - "$out" "$reps" "$base" "$other" "$label" "$target" <<'PY'
import json, statistics, sys
out, reps, base, other, label, target = sys.argv[1:]
def times(name):
    return [json.load(open("%s/%s.%d.json" % (out, name, i)))["benchmarks"][0]["real_time"]
            for i in range(1, int(reps) + 1)]
a, b = times(base), times(other)
for x, y in zip(a, b):
    print("  pair: %-22s %8.1f ms, %-22s %8.1f ms" % (base, x, other, y))
print("%-22s median %9.1f ms" % (base, statistics.median(a)))
print("%-22s median %9.1f ms" % (other, statistics.median(b)))
ratio = statistics.median(y / x for x, y in zip(a, b))
print("%s: %.3f, median of %s pairs (target <= %s) %s"
      % (label, ratio, reps, target, "ok" if ratio <= float(target) else "MISSED"))
PY
}
