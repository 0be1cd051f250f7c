#!/usr/bin/env bash
# Puts beside the Windows programs in a folder what they need to start: Qt's
# DLLs, the mingw runtime DLLs Qt was built against, and the platform and
# style plugins (qwindows for the program, qoffscreen for the window tests).
#   bash scripts/deploy-windows.sh <qt-folder> <folder-of-the-exe> [--tests]
# Without --tests, the offscreen and minimal platforms stay out. With it,
# DejaVu fonts go to lib/fonts: offscreen, Qt on Windows reads its fonts from
# there (wine hides the QT_QPA_FONTDIR of the calling shell), and without
# them every text is drawn as boxes and measured wrong.
set -euo pipefail
qt=$1; dest=$2; tests=0
[ "${3:-}" = "--tests" ] && tests=1
triple=x86_64-w64-mingw32

# The posix-threads variant of the runtime: the one Qt was built with.
runtime_dir=$($triple-g++-posix -print-file-name=libstdc++-6.dll)
runtime_dir=$(dirname "$runtime_dir")
pthread_dll=$($triple-g++-posix -print-file-name=libwinpthread-1.dll)
[ -f "$pthread_dll" ] || pthread_dll=/usr/$triple/lib/libwinpthread-1.dll

mkdir -p "$dest/platforms" "$dest/styles"
dlls=(Qt6Core Qt6Gui Qt6Widgets)

for dll in "${dlls[@]}"; do cp -u "$qt/bin/$dll.dll" "$dest/"; done
cp -u "$runtime_dir/libstdc++-6.dll" "$runtime_dir/libgcc_s_seh-1.dll" "$pthread_dll" "$dest/"
cp -u "$qt/plugins/platforms/qwindows.dll" "$dest/platforms/"
if [ "$tests" -eq 1 ]; then
  cp -u "$qt/plugins/platforms/qoffscreen.dll" "$qt/plugins/platforms/qminimal.dll" "$dest/platforms/"
  mkdir -p "$dest/lib/fonts"
  cp -u /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
    /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf "$dest/lib/fonts/"
fi
cp -u "$qt/plugins/styles/qwindowsvistastyle.dll" "$dest/styles/"
