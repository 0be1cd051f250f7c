#!/usr/bin/env bash
# A small tree to try ordovan-cli on: DIR/src/Old Clients/Client<1..3>/<2016..2018>/docs,
# with a note in every year folder and a pdf in every docs folder.
# Usage: scripts/demo-tree.sh DIR   (DIR must not exist yet)
set -euo pipefail
dir=${1:?usage: scripts/demo-tree.sh DIR}
[ ! -e "$dir" ] || { echo "$dir exists already; give a new folder" >&2; exit 2; }
for client in Client1 Client2 Client3; do
  for year in 2016 2017 2018; do
    folder="$dir/src/Old Clients/$client/$year"
    mkdir -p "$folder/docs"
    printf 'notes of %s, %s\n' "$client" "$year" >"$folder/notes.txt"
    printf 'invoice of %s, %s\n' "$client" "$year" >"$folder/docs/invoice.pdf"
  done
done
echo "made $dir/src/Old Clients: 3 clients x 3 years, 18 files"
