#!/usr/bin/env bash
# Starts the Windows program under wine on a virtual X server in an empty
# folder, as a first start: passes when the main window appears and the
# program has written a whole first-start default.set there (415 records of
# 5312 bytes, the end record last). Optionally saves a picture of the screen.
#   bash scripts/wine-first-start.sh <ordovan.exe> <wine-prefix> <empty-folder> [picture.png]
#   bash scripts/wine-first-start.sh <shortcut.lnk> <wine-prefix> <its-working-folder> [picture.png]
# The folder must be empty or new; a shortcut is started as the Start menu
# starts it, in the working folder it names, which must exist already. The
# prefix is created when it does not exist yet. Everything started in it is
# ended before the script returns.
set -uo pipefail
if [ -z "${ORDOVAN_FIRST_START_IN_XVFB:-}" ]; then
  exec env ORDOVAN_FIRST_START_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi
exe=$(realpath "$1"); prefix=$(realpath -m "$2"); dir=$(realpath -m "$3"); picture=${4:+$(realpath -m "$4")}
title="Ordovan 3.00"
records=415; record_size=5312; end_record=900
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

fail() { echo "first start: $*"; wineserver -k >/dev/null 2>&1; exit 1; }

# A first start needs an empty folder; one that holds something is left alone.
if [ -e "$dir" ] && [ -n "$(ls -A "$dir")" ]; then fail "$dir is not empty"; fi
case $exe in
  *.lnk) [ -d "$dir" ] || fail "the shortcut's working folder $dir does not exist" ;;
  *) mkdir -p "$dir" || fail "cannot make $dir" ;;
esac
mkdir -p "$prefix"
# A wine session left from programs started without a display would take
# this program's windows too and show them nowhere: wait until it has ended.
timeout 120 wineserver -w
timeout 300 wineboot </dev/null >/dev/null 2>&1
# The shell around wine says nothing when wine is ended below.
case $exe in
  *.lnk) (wine start /unix "$exe" </dev/null >"$prefix/../shortcut-start.log" 2>&1; true) 2>/dev/null & ;;
  *) (cd "$dir" && wine "$exe" </dev/null >"$dir/../first-start.log" 2>&1; true) 2>/dev/null & ;;
esac

settings="$dir/default.set"
want=$((records * record_size))
window=0; written=0
for _ in $(seq 1 240); do
  sleep 0.5
  xwininfo -root -tree 2>/dev/null | grep -qF "\"$title\"" && window=1
  [ -f "$settings" ] && [ "$(stat -c %s "$settings")" -eq "$want" ] && written=1
  [ "$window" -eq 1 ] && [ "$written" -eq 1 ] && break
done
[ "$window" -eq 1 ] || fail "no window \"$title\" within 120 s"
[ -f "$settings" ] || fail "no default.set in the start folder"
size=$(stat -c %s "$settings")
[ "$size" -eq "$want" ] ||
  fail "default.set holds $size bytes, not $records records of $record_size ($want)"
# The end record closes the file: its number leads the last record.
last=$(od -An -t d4 -j $((want - record_size)) -N 4 "$settings" | tr -d ' ')
[ "$last" = "$end_record" ] || fail "the last record of default.set is $last, not the end record"

if [ -n "$picture" ]; then
  converter=""
  for c in convert-im6.q16 magick convert; do
    if "$c" -version 2>/dev/null | grep -q '^Version: ImageMagick'; then converter=$c; break; fi
  done
  if command -v xwd >/dev/null && [ -n "$converter" ]; then
    sleep 1  # let the window finish painting
    xwd -root -silent | "$converter" xwd:- "$picture" 2>/dev/null || echo "first start: no picture taken"
  else
    echo "first start: no picture (xwd from x11-apps and ImageMagick are needed)"
  fi
fi
wineserver -k >/dev/null 2>&1
wait
echo "first start: window \"$title\" shown, default.set of $records records written"
