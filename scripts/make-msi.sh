#!/usr/bin/env bash
# Makes the Windows installer from a program folder with wixl: every file of
# the folder goes to Program Files\Ordovan, with the Start menu shortcut and
# the per-user settings folder of packaging/windows/ordovan.wxs.
#   bash scripts/make-msi.sh <program-folder> <ordovan.ico> <version> <output.msi>
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
stage=$(realpath "$1"); icon=$(realpath "$2"); version=$3; msi=$(realpath -m "$4")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl of Debian 12 finds files by relative names only: it runs in a work
# folder that holds them.
ln -s "$stage" "$work/stage"
cp "$icon" "$work/ordovan.ico"
cd "$work"
# One component per file, its identifiers and GUID taken from its path, so
# that every version of the package names the same file the same way.
find stage/ -type f | LC_ALL=C sort |
  wixl-heat -p stage/ --directory-ref INSTALLDIR --component-group ProgramFiles \
    --var var.Stage --win64 >files.wxs
wixl --arch x64 -D Version="$version" -D Win64=yes -D Stage=stage -D Icon=ordovan.ico \
  -o "$msi.part" "$root/packaging/windows/ordovan.wxs" files.wxs
mv "$msi.part" "$msi"
