#!/usr/bin/env bash
# Makes a Qt 6.4.2 for mingw-w64 (Core, Gui, Widgets, Test; the windows,
# offscreen and minimal platform plugins; the Vista style) in a cache folder
# outside the checkout, one per machine, reused by every later run:
#   1. already in the cache: nothing to do;
#   2. a ready-made qt6-mingw-6.4.2.tar.xz beside the checkout (shared/ next to
#      the repository or one level further up, or the file or folder named by
#      ORDOVAN_QT_MINGW): unpacked into the cache;
#   3. otherwise built from Debian's own qt6-base source package (25 to 35
#      minutes on two cores), unless --no-build is given.
# The last line on stdout is the Qt folder (give it to CMake as described in
# the README); on failure a reason goes to stderr and the exit code is not 0
# (3: no ready-made Qt and --no-build).
#
#   bash scripts/build-qt-mingw.sh [--no-build]
#   ORDOVAN_QT_CACHE=/somewhere bash scripts/build-qt-mingw.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
version=6.4.2
name=qt6-mingw-$version
allow_build=1
[ "${1:-}" = "--no-build" ] && allow_build=0

say() { echo "build-qt-mingw: $*" >&2; }

# --- the cache folder ---------------------------------------------------------
if [ -n "${ORDOVAN_QT_CACHE:-}" ]; then
  cache_dir=$ORDOVAN_QT_CACHE
elif [ -w /var/cache ] || [ -w /var/cache/ordovan ]; then
  cache_dir=/var/cache/ordovan
else
  cache_dir=${XDG_CACHE_HOME:-$HOME/.cache}/ordovan
fi
qt=$cache_dir/$name
stamp=$qt/.ordovan-complete  # written last: a half-unpacked tree never counts

if [ -f "$stamp" ] && [ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  echo "$qt"; exit 0
fi
mkdir -p "$cache_dir"

# Moves a finished tree into place in one step, so that two runs at once or
# a run cut short never leave a tree that looks finished but is not.
install_tree() { # finished-folder
  touch "$1/.ordovan-complete"
  rm -rf "$qt.old"
  [ -e "$qt" ] && mv "$qt" "$qt.old"
  mv "$1" "$qt"
  rm -rf "$qt.old"
}

# --- 2. the ready-made copy ---------------------------------------------------
ready=""
if [ -n "${ORDOVAN_QT_MINGW:-}" ]; then
  if [ -d "$ORDOVAN_QT_MINGW" ] && [ -f "$ORDOVAN_QT_MINGW/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    # An installed Qt elsewhere: used where it is, not copied.
    echo "$ORDOVAN_QT_MINGW"; exit 0
  elif [ -f "$ORDOVAN_QT_MINGW" ]; then
    ready=$ORDOVAN_QT_MINGW
  else
    say "ORDOVAN_QT_MINGW=$ORDOVAN_QT_MINGW is neither a Qt folder nor a .tar.xz"; exit 1
  fi
else
  for candidate in "$root/../shared/$name.tar.xz" "$root/../../shared/$name.tar.xz"; do
    if [ -f "$candidate" ]; then ready=$candidate; break; fi
  done
fi

if [ -n "$ready" ]; then
  say "unpacking $ready into $cache_dir"
  work=$(mktemp -d "$cache_dir/.unpack.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  tar -xJf "$ready" -C "$work"
  if [ ! -f "$work/$name/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    say "$ready does not hold $name/lib/cmake/Qt6/qt.toolchain.cmake"; exit 1
  fi
  install_tree "$work/$name"
  echo "$qt"; exit 0
fi

if [ "$allow_build" -eq 0 ]; then
  say "no $name in $cache_dir and no $name.tar.xz beside the checkout"; exit 3
fi

# --- 3. built from Debian's source package -----------------------------------
if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
# The build's own tools; the host tools (moc, rcc, uic) come from Debian's
# qt6-base-dev-tools, whose version is the one built here.
"${as_root[@]}" apt-get install -y -qq --no-install-recommends \
  dpkg-dev cmake ninja-build perl xz-utils g++-mingw-w64-x86-64-posix qt6-base-dev-tools >/dev/null
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
case "$host_version" in
  "$version"+*) ;;
  *) say "the host tools are Qt $host_version, not $version: their moc output would not fit"; exit 1 ;;
esac

src_root=$cache_dir/.build-$name
mkdir -p "$src_root"
cd "$src_root"

# Source packages: a deb-src twin of the system's deb822 sources, when apt
# has none yet.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      "${as_root[@]}" tee /etc/apt/sources.list.d/ordovan-deb-src.sources >/dev/null
  else
    grep -hE '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      "${as_root[@]}" tee /etc/apt/sources.list.d/ordovan-deb-src.list >/dev/null
  fi
  "${as_root[@]}" apt-get update -qq
fi
orig=$(ls qt6-base_"$version"*.orig.tar.xz 2>/dev/null | head -n 1 || true)
if [ -z "$orig" ]; then
  apt-get source --download-only "qt6-base=$host_version" >/dev/null
  orig=$(ls qt6-base_"$version"*.orig.tar.xz | head -n 1)
fi
say "building qtbase $version for mingw-w64 from $orig (25 to 35 minutes on two cores)"

rm -rf src build install
mkdir -p src
tar -xJf "$orig" -C src --strip-components=1

# Fix 1: without OpenGL, isSoftwareGl still names OpenGL types under
# QT_CONFIG(dynamicgl); guard it on OpenGL too.
win_cpp=src/src/plugins/platforms/windows/qwindowswindow.cpp
if ! grep -q 'QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)' "$win_cpp"; then
  awk '
    /isSoftwareGl\(\)/ { in_fn = 1 }
    in_fn && !done && /^#if QT_CONFIG\(dynamicgl\)$/ {
      print "#if QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)"; done = 1; next }
    { print }
    END { if (!done) exit 1 }
  ' "$win_cpp" >"$win_cpp.new" || { say "cannot find the dynamicgl test in $win_cpp"; exit 1; }
  mv "$win_cpp.new" "$win_cpp"
fi
# Fix 2: Debian's source drops wintab.h, so tablet events stay off (below).

cat >toolchain.cmake <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

prefix=$src_root/install/$name
cmake -S src -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src_root/toolchain.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_testlib=ON \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_jpeg=OFF >build-configure.log
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"
cmake --install build >/dev/null
install_tree "$prefix"
# The source and build trees are large; the installed tree is all that is kept.
cd "$cache_dir" && rm -rf "$src_root"
echo "$qt"
