#!/usr/bin/env bash
# ordovan-cli organize against the desktop program's run of the same 100,000
# files (bench/cli_bench.cpp), in pairs (bench/pairs.sh): medians and the
# ratio CLI / desktop (target <= 1.05); and the desktop run with the workers
# it chooses against one worker (target <= 1.05).
# Usage: bench/cli_vs_desktop.sh [build-dir] [repetitions]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
reps=${2:-5}
bench="$build/bench/ordovan_bench"
[ -x "$bench" ] || { echo "no $bench: build the target ordovan_bench first" >&2; exit 1; }
out=$(mktemp -d)
. "$root/bench/scratch-fs.sh"
. "$root/bench/pairs.sh"
trap 'rm -rf "$out"; scratch_fs_end' EXIT
# Two runs' copies are about a gigabyte.
scratch_fs_begin 2
bench_pairs "$bench" "$out" "$reps" DesktopOrganize CliOrganize "ordovan-cli / desktop run" 1.05
# The workers the run chooses on this local disk against one at a time.
bench_pairs "$bench" "$out" "$reps" DesktopOrganizeOneWorker DesktopOrganize "chosen workers / one worker" 1.05
