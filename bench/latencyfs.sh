#!/usr/bin/env bash
# Starts and stops the latency test bed (bench/latencyfs): a mount whose
# every operation waits, as on a file server, and which counts them by kind.
#
#   bench/latencyfs.sh start BACKING MOUNTPOINT [--delay-ms MS] [--cache-s S] [--threads N]
#   bench/latencyfs.sh counts MOUNTPOINT    # "kind calls failed" lines, as of now
#   bench/latencyfs.sh stop MOUNTPOINT      # unmounts; prints the last counts
#
# BACKING is a folder on a local disk that holds the files; MOUNTPOINT an
# empty folder where they appear with the delay (2 ms by default). The
# program is taken from $LATENCYFS, else from build/bench/latencyfs/.
# Refuses where the machine has no /dev/fuse or the program was not built.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${LATENCYFS:-$root/build/bench/latencyfs/latencyfs}

die() { echo "latencyfs.sh: $*" >&2; exit 1; }
usage() { sed -n '5,7s/^#   //p' "${BASH_SOURCE[0]}" >&2; exit 2; }

# Where the process id and the counts of one mount point are kept. The path
# is made absolute by its text alone: looking at the mount would be counted.
absolute() { realpath -m -s -- "$1"; }
state_of() { echo "/tmp/ordovan-latencyfs-$(id -u)/$(absolute "$1" | tr '/' '_')"; }
is_mounted() { grep -qs " $(absolute "$1") fuse.latencyfs " /proc/mounts; }

# Asks the running file system for its counts and waits until they are written.
fresh_counts() {
  local state=$1 before after i
  before=$(awk '$1 == "generation" { print $2 }' "$state/stats" 2>/dev/null || true)
  kill -USR1 "$(cat "$state/pid")"
  for i in $(seq 1 200); do
    after=$(awk '$1 == "generation" { print $2 }' "$state/stats" 2>/dev/null || true)
    if [ -n "$after" ] && [ "$after" != "$before" ]; then
      grep -v '^generation ' "$state/stats"
      return 0
    fi
    sleep 0.02
  done
  die "the file system wrote no counts"
}

command=${1:-}
[ $# -ge 2 ] || usage
shift
mount=$1
case "$command" in
  start)
    [ $# -ge 2 ] || usage
    backing=$(cd "$1" 2>/dev/null && pwd -P) || die "no backing folder $1"
    mount=$2
    shift 2
    [ -c /dev/fuse ] || die "this machine has no /dev/fuse, so the latency test bed cannot run here (load the fuse module; in a container, pass the device /dev/fuse in)"
    [ -x "$program" ] || die "no $program: build the target latencyfs first (it needs Debian's libfuse3-dev)"
    if [ "$(id -u)" != 0 ] && ! command -v fusermount3 >/dev/null; then
      die "mounting needs root or fusermount3 (Debian's fuse3)"
    fi
    [ -d "$mount" ] || die "no mount point $mount"
    [ "$(cd "$mount" && pwd -P)" = "$(absolute "$mount")" ] || die "give the mount point without links: $(cd "$mount" && pwd -P)"
    is_mounted "$mount" && die "$mount is mounted already"
    [ -z "$(ls -A "$mount")" ] || die "the mount point $mount is not empty"
    state=$(state_of "$mount")
    mkdir -p "$state"
    rm -f "$state/stats"
    setsid "$program" --stats "$state/stats" "$@" "$backing" "$mount" </dev/null >"$state/log" 2>&1 &
    echo $! >"$state/pid"
    for _ in $(seq 1 100); do
      is_mounted "$mount" && exit 0
      kill -0 "$(cat "$state/pid")" 2>/dev/null || break
      sleep 0.05
    done
    cat "$state/log" >&2
    kill "$(cat "$state/pid")" 2>/dev/null || true
    die "latencyfs did not mount $mount"
    ;;
  counts)
    state=$(state_of "$mount")
    [ -f "$state/pid" ] && kill -0 "$(cat "$state/pid")" 2>/dev/null || die "no latencyfs runs on $mount"
    fresh_counts "$state"
    ;;
  stop)
    state=$(state_of "$mount")
    [ -f "$state/pid" ] || die "no latencyfs was started on $mount"
    pid=$(cat "$state/pid")
    if is_mounted "$mount"; then
      if [ "$(id -u)" = 0 ]; then umount "$mount"; else fusermount3 -u "$mount"; fi
    fi
    # The process writes its last counts as it ends.
    for _ in $(seq 1 200); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill -0 "$pid" 2>/dev/null && die "latencyfs ($pid) did not end"
    [ -f "$state/stats" ] && grep -v '^generation ' "$state/stats"
    rm -rf "$state"
    ;;
  *) usage ;;
esac
