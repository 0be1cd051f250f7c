#!/usr/bin/env bash
# Makes out/ordovan-windows.zip: ordovan.exe cross-built with mingw-w64, with
# the Qt and mingw runtime DLLs and the windows platform and style plugins
# beside it, ready to unpack anywhere and start. Then unpacks the zip into an
# empty folder and starts it under wine on a fresh prefix on a virtual X
# server (skipped with --no-check).
#   bash scripts/package-windows.sh [--no-check]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
check=1
[ "${1:-}" = "--no-check" ] && check=0
bash "$root/scripts/setup.sh"
qt=$(bash "$root/scripts/build-qt-mingw.sh" | tail -n 1)

build=$root/build-windows-package
out=$root/out
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DORDOVAN_UI=ON -DORDOVAN_TESTS=OFF -DORDOVAN_BENCH=OFF >/dev/null
cmake --build "$build" --target ordovan -j "$(nproc 2>/dev/null || echo 2)"

stage=$build/stage/ordovan
rm -rf "$build/stage" && mkdir -p "$stage"
cp "$build/app/ordovan.exe" "$stage/"
bash "$root/scripts/deploy-windows.sh" "$qt" "$stage"
# Symbols are of no use to the user and make up most of the size.
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll
mkdir -p "$out"
zip=$out/ordovan-windows.zip
rm -f "$zip.part"
(cd "$build/stage" && cmake -E tar cf "$zip.part" --format=zip ordovan)
mv "$zip.part" "$zip"
echo "package: $zip ($(stat -c %s "$zip") bytes)"
(cd "$build/stage" && find ordovan -type f | sort | sed 's|^|  |')

if [ "$check" -eq 1 ]; then
  trial=$build/trial
  rm -rf "$trial" && mkdir -p "$trial/unpacked"
  (cd "$trial/unpacked" && cmake -E tar xf "$zip")
  bash "$root/scripts/wine-first-start.sh" "$trial/unpacked/ordovan/ordovan.exe" \
    "$trial/wineprefix" "$trial/start" "$trial/first-start.png"
fi
