#!/usr/bin/env bash
# Organize and Undo on a file server, against cp -r and rm -rf: all of them
# on the latency test bed (bench/latencyfs.sh), where every file operation
# waits (2 ms by default), source and destination both on it, as on a share.
#
# Each round runs, in an order that turns from round to round:
#   cp -r          the source tree into a new folder
#   8 x cp -r      the client folders, 8 copies at a time (xargs -P)
#   organize       ordovan-cli organize of the docs folders, year first, journal on
#   rm -rf / undo  of two identical copies of what organize made (the second
#                  made on the backing folder directly, without the delay)
# and prints the medians, the medians of the rounds' ratios against the
# targets, and the file system's operations per copied file by kind (median
# over the rounds; they are counted, not timed, so they hold on a busy machine).
#
# Usage: bench/latency_vs_cp.sh [build-dir] [rounds] [-- ordovan-cli options]
#   options after -- go to both organize and undo (for example --workers 8)
# Environment: LATENCY_FILES (2000), LATENCY_PATHS (200; 10 years per client),
#   LATENCY_DELAY_MS (2), LATENCY_PARALLEL (8), LATENCY_CACHE_S (1).
# Needs root (or fusermount3), /dev/fuse and the targets ordovan-cli and latencyfs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
rounds=5
if [ $# -gt 0 ] && [ "$1" != -- ]; then build=$(cd "$1" && pwd); shift; fi
if [ $# -gt 0 ] && [ "$1" != -- ]; then rounds=$1; shift; fi
if [ $# -gt 0 ] && [ "$1" = -- ]; then shift; fi
cli_options=("$@")
files=${LATENCY_FILES:-2000}
paths=${LATENCY_PATHS:-200}
delay=${LATENCY_DELAY_MS:-2}
parallel=${LATENCY_PARALLEL:-8}
cache=${LATENCY_CACHE_S:-1}
years=10
clients=$((paths / years))
per_path=$((files / paths))
[ "$clients" -ge 1 ] && [ "$per_path" -ge 1 ] || { echo "LATENCY_PATHS must be at least $years and at most LATENCY_FILES" >&2; exit 2; }
cli="$build/src/ordovan-cli"
[ -x "$cli" ] || { echo "no $cli: build the target ordovan-cli first" >&2; exit 1; }
export LATENCYFS=${LATENCYFS:-$build/bench/latencyfs/latencyfs}
lfs="$root/bench/latencyfs.sh"

. "$root/bench/scratch-fs.sh"
work=
cleanup() {
  if [ -n "$work" ]; then
    "$lfs" stop "$work/mnt" >/dev/null 2>&1 || true
    # Should it not end, its mount must not keep the scratch file system busy.
    if grep -qs " $work/mnt fuse" /proc/mounts; then umount -l "$work/mnt" || true; fi
    rm -rf "$work"
  fi
  scratch_fs_end
}
trap cleanup EXIT
# A new file system keeps the backing folder's history out of the figures.
scratch_fs_begin 1
work=$(mktemp -d "${TMPDIR:-/tmp}/ordovan-latency.XXXXXX")
back=$work/back
mnt=$work/mnt
out=$work/results
mkdir -p "$back" "$mnt" "$out"

# The tree: Src/C<c>/Y<y>/docs with the files, and the list of the docs
# folders as program paths on the mount.
content=$(head -c 1024 /dev/zero | tr '\0' 'x')
for c in $(seq -f '%03g' 0 $((clients - 1))); do
  for y in $(seq -f '%02g' 0 $((years - 1))); do
    docs="$back/Src/C$c/Y$y/docs"
    mkdir -p "$docs"
    for f in $(seq -f '%04g' 0 $((per_path - 1))); do printf '%s' "$content" >"$docs/f$f.dat"; done
    printf 'c:%s\n' "$(echo "$mnt/Src/C$c/Y$y/docs" | tr '/' '\\')" >>"$work/list.txt"
  done
done
sync

"$lfs" start "$back" "$mnt" --delay-ms "$delay" --cache-s "$cache"
counts() { "$lfs" counts "$mnt" >"$out/$1"; }
now() { date +%s.%N; }
# timed NAME ROUND COMMAND...: the seconds and the operations of one command.
timed() {
  local name=$1 round=$2 start end
  shift 2
  counts before
  start=$(now)
  "$@"
  end=$(now)
  counts after
  awk -v name="$name" -v round="$round" -v s="$start" -v e="$end" 'BEGIN { print name, round, e - s }' >>"$out/times"
  awk -v name="$name" -v round="$round" 'NR == FNR { b[$1] = $2; next }
    { print name, round, $1, $2 - b[$1] }' "$out/before" "$out/after" >>"$out/ops"
}
journal=$work/run.journal
organize() {
  "$cli" organize --include "$work/list.txt" --base "c:$(echo "$mnt/Src" | tr '/' '\\')" --positions 2,1,3 \
    --dest "$mnt/org" --journal "$journal" --quiet ${cli_options[@]+"${cli_options[@]}"} >"$out/organize.log" ||
    { echo "organize did not reorganize every path:" >&2; grep -v '^Files' "$out/organize.log" | head -n 40 >&2; return 1; }
}
undo() {
  "$cli" undo --journal "$journal" --yes --quiet ${cli_options[@]+"${cli_options[@]}"} >"$out/undo.log" 2>&1
}
parallel_cp() {
  mkdir "$mnt/par"
  ls "$mnt/Src" | xargs -P "$parallel" -I{} cp -r "$mnt/Src/{}" "$mnt/par/{}"
}
# Outputs are removed on the backing folder, not through the delay; the
# kernel then still holds the mount's names and inodes for them, and a later
# folder given a freed inode number would meet a stale one (an error on a
# real share, which is never changed behind its clients' backs). So the
# kernel lets go of them.
remove_behind() {
  rm -rf "$@"
  echo 2 >/proc/sys/vm/drop_caches 2>/dev/null || true
}
must_hold() { # files-expected folder
  local n
  n=$(find "$back/$2" -type f | wc -l)
  [ "$n" -eq "$1" ] || { echo "$2 holds $n files, not $1" >&2; exit 1; }
}

job_cp() {
  timed cp "$1" cp -r "$mnt/Src" "$mnt/cp"
  must_hold "$files" cp
  remove_behind "$back/cp"
}
job_parallel() {
  timed parallel "$1" parallel_cp
  must_hold "$files" par
  remove_behind "$back/par"
}
job_organize() {
  timed organize "$1" organize
  must_hold "$files" org
  cp -a "$back/org" "$back/rm"
  sync
  if [ $(($1 % 2)) -eq 1 ]; then
    timed undo "$1" undo
    timed rm "$1" rm -rf "$mnt/rm"
  else
    timed rm "$1" rm -rf "$mnt/rm"
    timed undo "$1" undo
  fi
  must_hold 0 org
  remove_behind "$back/org" "$back/rm"
}

jobs=(job_cp job_parallel job_organize)
echo "latency test bed: $files files of 1 KB in $paths paths, ${delay} ms per operation, $rounds rounds${cli_options[*]:+, ordovan-cli ${cli_options[*]}}" >&2
for round in $(seq 1 "$rounds"); do
  for i in 0 1 2; do
    "${jobs[$(((round + i) % 3))]}" "$round"
  done
  echo "round $round: $(awk -v r="$round" '$2 == r { printf "%s %.1f s  ", $1, $3 }' "$out/times")" >&2
done

python3 - "$out" "$files" "$parallel" <<'EOF'
import collections, statistics, sys
out, files, parallel = sys.argv[1], int(sys.argv[2]), sys.argv[3]
times = collections.defaultdict(dict)
for line in open(out + "/times"):
    name, rnd, seconds = line.split()
    times[name][int(rnd)] = float(seconds)
ops = collections.defaultdict(lambda: collections.defaultdict(list))
for line in open(out + "/ops"):
    name, rnd, kind, n = line.split()
    ops[name][kind].append(int(n))
labels = [("cp", "cp -r"), ("parallel", parallel + " x cp -r"), ("organize", "organize"),
          ("rm", "rm -rf"), ("undo", "undo")]
for name, label in labels:
    print("%-12s median %8.2f s  (%s)" % (label, statistics.median(times[name].values()),
          ", ".join("%.2f" % times[name][r] for r in sorted(times[name]))))
def ratio(a, b):
    return statistics.median(times[a][r] / times[b][r] for r in times[a])
checks = [("throughput organize / cp -r", ratio("cp", "organize"), 5),
          ("throughput organize / %s x cp -r" % parallel, ratio("parallel", "organize"), 1),
          ("speed undo / rm -rf", ratio("rm", "undo"), 5),
          ("throughput %s x cp -r / cp -r" % parallel, ratio("cp", "parallel"), None)]
for label, value, target in checks:
    verdict = "" if target is None else " (target >= %g) %s" % (target, "ok" if value >= target else "MISSED")
    print("%-36s %6.2f, median of the rounds%s" % (label + ":", value, verdict))
kinds = sorted({k for name, _ in labels for k, v in ops[name].items() if statistics.median(v) > 0})
print("\noperations per copied file (%d files), median of the rounds:" % files)
print("%-16s" % "" + "".join("%11s" % label for _, label in labels))
for kind in kinds:
    print("%-16s" % kind + "".join("%11.2f" % (statistics.median(ops[name][kind]) / files if ops[name][kind] else 0)
                                   for name, _ in labels))
# A forget is the kernel dropping a name from its cache: no request waits for it.
def total(name):
    rounds = len(next(iter(ops[name].values())))
    return statistics.median(sum(v[i] for k, v in ops[name].items() if k != "forget") for i in range(rounds))
print("%-16s" % "all but forget" + "".join("%11.2f" % (total(name) / files) for name, _ in labels))
EOF
