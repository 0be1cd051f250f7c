#!/usr/bin/env bash
# Which system calls should a copy make? Runs bench/copydesign (copy_design)
# in each of its variants on small files, with cp -r as the reference and
# cp -r --preserve=timestamps ("cp-times") as the reference that keeps the
# modification time, as the program's copies do:
#   local disk   system calls per file (strace -c -f, less a run over an
#                empty folder) and time per file, the variants in turns
#                (new ext4 file system when root, see bench/scratch-fs.sh)
#   latency bed  file-system operations per file by kind and time per file,
#                on bench/latencyfs.sh with 2 ms per operation (skipped
#                with a note where it cannot run)
# Usage: bench/copy_design.sh [build-dir] [local-files] [latency-files] [rounds]
#   defaults: build, 10000, 500, 5
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
local_files=${2:-10000}
latency_files=${3:-500}
rounds=${4:-5}
tool="$build/bench/copydesign/copy_design"
[ -x "$tool" ] || { echo "no $tool: build the target copy_design first" >&2; exit 1; }
command -v strace >/dev/null || { echo "strace is needed (Debian: strace)" >&2; exit 1; }
export LATENCYFS=${LATENCYFS:-$build/bench/latencyfs/latencyfs}
lfs="$root/bench/latencyfs.sh"
variants=(tmpfile exclusive exclusive-rw rename cp cp-times)

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
# Every run copies into a new folder and nothing is deleted until the end:
# deleting makes the next creates slower on ext4 (see scratch-fs.sh).
scratch_fs_begin 3
work=$(mktemp -d "${TMPDIR:-/tmp}/ordovan-copy-design.XXXXXX")
out=$work/results
mkdir -p "$out" "$work/empty"

make_files() { # folder count
  mkdir -p "$1"
  local content i
  content=$(head -c 1024 /dev/zero | tr '\0' 'x')
  for i in $(seq -f '%05g' 1 "$2"); do printf '%s' "$content" >"$1/f$i.dat"; done
}
# copy VARIANT FROM TO: one copy of a folder's files, as the variant does it.
copy() {
  case $1 in
    cp) cp -r "$2" "$3" ;;
    cp-times) cp -r --preserve=timestamps "$2" "$3" ;;
    *) mkdir "$3" && "$tool" "$1" "$2" "$3" >/dev/null ;;
  esac
}
# seconds_of COMMAND...: wall time of the command, in seconds.
seconds_of() {
  local start end
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}

# --- local disk --------------------------------------------------------
make_files "$work/src" "$local_files"
sync
for v in "${variants[@]}"; do
  strace -c -f -o "$out/strace.$v" bash -c "$(declare -f copy); tool='$tool'; copy $v '$work/src' '$work/s-$v'"
  strace -c -f -o "$out/strace0.$v" bash -c "$(declare -f copy); tool='$tool'; copy $v '$work/empty' '$work/s0-$v'"
done
for round in $(seq 1 "$rounds"); do
  # The order turns, so no variant always runs right after the same one.
  for i in $(seq 0 $((${#variants[@]} - 1))); do
    v=${variants[$(((round + i) % ${#variants[@]}))]}
    sync
    echo "$v $(seconds_of copy "$v" "$work/src" "$work/t-$v-$round")" >>"$out/local-times"
  done
done

# --- latency test bed --------------------------------------------------
latency=yes
mkdir -p "$work/back" "$work/mnt"
if ! "$lfs" start "$work/back" "$work/mnt" --delay-ms 2 2>"$out/latencyfs.err"; then
  echo "note: no latency test bed: $(cat "$out/latencyfs.err")" >&2
  latency=no
else
  make_files "$work/back/src" "$latency_files"
  for round in $(seq 1 "$rounds"); do
    for i in $(seq 0 $((${#variants[@]} - 1))); do
      v=${variants[$(((round + i) % ${#variants[@]}))]}
      "$lfs" counts "$work/mnt" >"$out/before"
      seconds=$(seconds_of copy "$v" "$work/mnt/src" "$work/mnt/$v-$round")
      "$lfs" counts "$work/mnt" >"$out/after"
      echo "$v $seconds" >>"$out/latency-times"
      awk -v v="$v" 'NR == FNR { b[$1] = $2; next } { print v, $1, $2 - b[$1] }' "$out/before" "$out/after" >>"$out/latency-ops"
    done
  done
fi

python3 - "$out" "$local_files" "$latency_files" "$latency" "${variants[@]}" <<'EOF'
import collections, statistics, sys
out, local_files, latency_files, latency = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4] == "yes"
variants = sys.argv[5:]

def strace_counts(path):
    counts = {}
    for line in open(path):
        parts = line.split()
        if len(parts) in (5, 6) and parts[0][0].isdigit() and parts[-1] != "total":
            counts[parts[-1]] = (int(parts[3]), int(parts[4]) if len(parts) == 6 else 0)
    return counts

def table(title, rows, columns, cell):
    print(title)
    print("%-18s" % "" + "".join("%17s" % c for c in columns))
    for row in rows:
        print("%-18s" % row + "".join("%17s" % cell(row, c) for c in columns))
    print()

per_file = {}
for v in variants:
    full, empty = strace_counts("%s/strace.%s" % (out, v)), strace_counts("%s/strace0.%s" % (out, v))
    per_file[v] = {name: ((calls - empty.get(name, (0, 0))[0]) / local_files,
                          (errors - empty.get(name, (0, 0))[1]) / local_files)
                   for name, (calls, errors) in full.items()}
calls = sorted({n for v in variants for n, (c, _) in per_file[v].items() if c >= 0.005})
def syscall_cell(name, v):
    c, e = per_file[v].get(name, (0, 0))
    return ("%.2f (%.2f err)" % (c, e)) if e >= 0.005 else "%.2f" % c
table("local disk: system calls per file (%d files of 1 KB)" % local_files, calls, variants, syscall_cell)
print("%-18s" % "all" + "".join("%17.2f" % sum(c for n, (c, _) in per_file[v].items() if n in calls) for v in variants))
print()

def times(path, files):
    t = collections.defaultdict(list)
    for line in open(path):
        v, s = line.split()
        t[v].append(float(s) * 1e6 / files)
    return t
local = times(out + "/local-times", local_files)
print("local disk: time per file, median of %d runs (us):" % len(local[variants[0]]))
for v in variants:
    print("  %-14s %8.1f   (%s)" % (v, statistics.median(local[v]), ", ".join("%.1f" % x for x in local[v])))
print()

if latency:
    ops = collections.defaultdict(lambda: collections.defaultdict(list))
    for line in open(out + "/latency-ops"):
        v, kind, n = line.split()
        ops[v][kind].append(int(n))
    kinds = sorted({k for v in variants for k, n in ops[v].items() if statistics.median(n) / latency_files >= 0.005})
    table("latency test bed: operations per file (%d files, median of the runs)" % latency_files, kinds, variants,
          lambda k, v: "%.2f" % (statistics.median(ops[v][k]) / latency_files))
    rounds = len(ops[variants[0]]["lookup"])
    print("%-18s" % "all but forget" + "".join("%17.2f" % (statistics.median(
        sum(n[i] for k, n in ops[v].items() if k != "forget") for i in range(rounds)) / latency_files)
        for v in variants))
    lat = times(out + "/latency-times", latency_files)
    print("\nlatency test bed: time per file, median of %d runs (ms):" % len(lat[variants[0]]))
    for v in variants:
        print("  %-14s %8.2f" % (v, statistics.median(lat[v]) / 1000))
EOF
