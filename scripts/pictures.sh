#!/usr/bin/env bash
# Renders every window of the program to PNG files in pictures/ (offscreen,
# no display needed). Usage: bash scripts/pictures.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-"$root/build"}
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DORDOVAN_UI=ON >/dev/null
cmake --build "$build" --target ordovan_pictures -j 2
QT_QPA_PLATFORM=offscreen "$build/app/ordovan_pictures" "$root/pictures"
