#!/usr/bin/env bash
# Makes the Windows packages of ordovan.exe and ordovan-cli.exe, cross-built
# with mingw-w64, with the Qt and mingw runtime DLLs and the windows platform
# and style plugins beside them:
#   out/ordovan-windows.zip        one folder to unpack anywhere and start
#   out/ordovan-<version>-x64.msi  the installer (scripts/make-msi.sh)
# Then checks both under wine on fresh prefixes on a virtual X server: the
# unpacked zip's first start, and the installer's install, Start menu
# shortcut, upgrade and uninstall (skipped with --no-check).
#   bash scripts/package-windows.sh [--no-check] [--build DIR] [--out DIR]
# --build takes an already configured build tree (the test run's) as it is;
# otherwise build-windows-package is configured for a release build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
check=1; build=$root/build-windows-package; out=$root/out; own_tree=1
while [ $# -gt 0 ]; do
  case $1 in
    --no-check) check=0; shift ;;
    --build) build=$(realpath -m "$2"); own_tree=0; shift 2 ;;
    --out) out=$(realpath -m "$2"); shift 2 ;;
    *) echo "usage: scripts/package-windows.sh [--no-check] [--build DIR] [--out DIR]" >&2; exit 2 ;;
  esac
done
bash "$root/scripts/setup.sh"
qt=$(bash "$root/scripts/build-qt-mingw.sh" | tail -n 1)

if [ "$own_tree" -eq 1 ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DORDOVAN_UI=ON -DORDOVAN_TESTS=OFF -DORDOVAN_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target ordovan ordovan-cli -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
version=$(cat "$build/packaging/version.txt")

stage=$build/stage/ordovan
rm -rf "$build/stage" && mkdir -p "$stage"
cp "$build/app/ordovan.exe" "$build/src/ordovan-cli.exe" "$stage/"
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
msi=$out/ordovan-$version-x64.msi
bash "$root/scripts/make-msi.sh" "$stage" "$build/packaging/icons/ordovan.ico" "$version" "$msi"
echo "package: $msi ($(stat -c %s "$msi") bytes)"

if [ "$check" -eq 1 ]; then
  trial=$build/trial
  rm -rf "$trial" && mkdir -p "$trial/unpacked"
  (cd "$trial/unpacked" && cmake -E tar xf "$zip")
  bash "$root/scripts/wine-first-start.sh" "$trial/unpacked/ordovan/ordovan.exe" \
    "$trial/wineprefix" "$trial/start" "$trial/first-start.png"
  # A newer package made of the same files, to see it replace this one.
  bash "$root/scripts/make-msi.sh" "$stage" "$build/packaging/icons/ordovan.ico" "$version.1" "$trial/newer.msi"
  bash "$root/scripts/wine-msi-check.sh" "$msi" "$trial/newer.msi" "$trial/msi-prefix"
fi
