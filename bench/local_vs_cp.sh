#!/usr/bin/env bash
# ordovan-cli organize and undo on the local disk against cp -r and rm -rf, as
# a script runs them (journal on), on a new ext4 file system (bench/scratch-fs.sh)
# so that no earlier deletions slow one of them down: 100,000 files of 1 KB in
# 2,000 paths. Each round, in an order that turns, runs
#   cp -r         of the source tree
#   organize      with the workers it chooses, and with --workers 1
#   undo / rm -rf of two identical copies of what organize made
# and the script prints medians and the medians of the rounds' ratios:
#   throughput organize / cp -r             (target >= 1)
#   time undo / rm -rf                      (target <= 1.1)
#   time organize, chosen / one worker      (target <= 1.05)
# Usage: bench/local_vs_cp.sh [build-dir] [rounds]
# Environment: LOCAL_OTHER_WORKERS (1), the fixed count the chosen one is set against.
# As root it measures on a loop-mounted scratch file system; otherwise (or with
# ORDOVAN_BENCH_SCRATCH=0) in the temporary folder, whose past then shows.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
rounds=${2:-5}
cli="$build/src/ordovan-cli"
[ -x "$cli" ] || { echo "no $cli: build the target ordovan-cli first" >&2; exit 1; }
. "$root/bench/scratch-fs.sh"
work=
trap '[ -z "$work" ] || rm -rf "$work"; scratch_fs_end' EXIT
# The source, two runs' output and a copy of one: about a gigabyte and 400,000 inodes.
scratch_fs_begin 3
work=$(mktemp -d "${TMPDIR:-/tmp}/ordovan-local.XXXXXX")
python3 - "$work" <<'EOF'
import os, sys
work, data = sys.argv[1], b"x" * 1024
with open(work + "/list.txt", "w") as paths:
    for c in range(50):
        for y in range(40):
            docs = "%s/Src/C%03d/Y%03d/docs" % (work, c, y)
            os.makedirs(docs)
            for f in range(50):
                with open("%s/f%04d.dat" % (docs, f), "wb") as out:
                    out.write(data)
            paths.write(docs + "\n")
EOF
sync

times=$work/times
seconds() { # name round command...: its time into $times
  local name=$1 round=$2 start end
  shift 2
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  sync
  echo "$name $round $(echo "$end - $start" | bc)" >>"$times"
}
organize() { # dest [options]
  local dest=$1
  shift
  "$cli" organize --include "$work/list.txt" --base "$work/Src" --positions 2,1,3 \
    --dest "$work/$dest" --journal "$work/$dest.journal" --quiet "$@"
}
job_cp() { seconds cp "$1" cp -r "$work/Src" "$work/cp"; rm -rf "$work/cp"; sync; }
job_chosen() {
  seconds organize "$1" organize org
  cp -a "$work/org" "$work/rm"
  sync
  if [ $(($1 % 2)) -eq 1 ]; then
    seconds undo "$1" "$cli" undo --journal "$work/org.journal" --yes --quiet
    seconds rm "$1" rm -rf "$work/rm"
  else
    seconds rm "$1" rm -rf "$work/rm"
    seconds undo "$1" "$cli" undo --journal "$work/org.journal" --yes --quiet
  fi
  rm -rf "$work/org"
  sync
}
job_one() { seconds one "$1" organize one --workers ${LOCAL_OTHER_WORKERS:-1}; rm -rf "$work/one" "$work/one.journal"; sync; }

jobs=(job_cp job_chosen job_one)
echo "local disk: 100,000 files of 1 KB in 2,000 paths, $rounds rounds" >&2
for round in $(seq 1 "$rounds"); do
  for i in 0 1 2; do "${jobs[$(((round + i) % 3))]}" "$round"; done
  echo "round $round: $(awk -v r="$round" '$2 == r { printf "%s %.2f s  ", $1, $3 }' "$times")" >&2
done

python3 - "$times" "${LOCAL_OTHER_WORKERS:-1}" <<'EOF'
import collections, statistics, sys
other = sys.argv[2]
times = collections.defaultdict(dict)
for line in open(sys.argv[1]):
    name, rnd, s = line.split()
    times[name][int(rnd)] = float(s)
for name, label in [("cp", "cp -r"), ("organize", "organize"), ("one", "organize --workers " + other),
                    ("rm", "rm -rf"), ("undo", "undo")]:
    print("%-22s median %6.2f s  (%s)" % (label, statistics.median(times[name].values()),
          ", ".join("%.2f" % times[name][r] for r in sorted(times[name]))))
def ratio(a, b):
    return statistics.median(times[a][r] / times[b][r] for r in times[a])
for label, value, target, higher in [
        ("throughput organize / cp -r", ratio("cp", "organize"), 1, True),
        ("time undo / rm -rf", ratio("undo", "rm"), 1.1, False),
        ("time organize, chosen / %s worker(s)" % other, ratio("organize", "one"), 1.05, False)]:
    ok = value >= target if higher else value <= target
    print("%-36s %5.2f, median of the rounds (target %s %g) %s" % (
        label + ":", value, ">=" if higher else "<=", target, "ok" if ok else "MISSED"))
EOF
