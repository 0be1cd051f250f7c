#!/usr/bin/env bash
# Makes out/ordovan_<version>_amd64.deb with CPack: the program behind its
# launcher /usr/bin/ordovan, /usr/bin/ordovan-cli, the menu entry, icons,
# manual pages, README, copyright and changelog; dependencies found by
# dpkg-shlibdeps. The last line on stdout is the package's path.
#   bash scripts/package-debian.sh [--build DIR] [--out DIR]
# --build takes an already configured build tree (the test run's) as it is;
# otherwise build-deb is configured for a release build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-deb; out=$root/out; own_tree=1
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$(realpath -m "$2"); own_tree=0; shift 2 ;;
    --out) out=$(realpath -m "$2"); shift 2 ;;
    *) echo "usage: scripts/package-debian.sh [--build DIR] [--out DIR]" >&2; exit 2 ;;
  esac
done
bash "$root/scripts/setup.sh"
if [ "$own_tree" -eq 1 ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DORDOVAN_TESTS=OFF -DORDOVAN_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target ordovan ordovan-cli ordovan_deb_files -j "$(nproc 2>/dev/null || echo 2)" >/dev/null

# CPack stages under the build tree; only the finished package goes to out.
staging=$build/cpack
rm -rf "$staging"
(cd "$build" && cpack -G DEB -B "$staging" >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
deb=$(ls "$staging"/ordovan_*.deb)
mkdir -p "$out"
mv "$deb" "$out/"
deb=$out/$(basename "$deb")
echo "package: $deb ($(stat -c %s "$deb") bytes)"
echo "$deb"
