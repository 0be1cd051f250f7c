#!/usr/bin/env bash
# Checks the Windows installer under wine on a fresh prefix, as a user would
# meet it: a silent install into Program Files\Ordovan with an uninstall
# entry; the Start menu shortcut starts ordovan.exe in the user's own folder
# (%LOCALAPPDATA%\Ordovan), where its main window appears and it writes
# default.set; ordovan-cli.exe --help runs from Program Files; a newer
# package replaces this one; uninstalling removes the program's files and
# keeps default.set. Prints "passed: ..." or "FAILED: ..." for each of these.
#   bash scripts/wine-msi-check.sh <ordovan.msi> <newer.msi> <wine-prefix>
# The prefix is made anew (an existing one is removed only when it is a wine
# prefix).
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
msi=$(realpath "$1"); newer=$(realpath "$2"); prefix=$(realpath -m "$3")
# No menu entries or icons for the host's desktop from the installs below.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
failures=0
passed() { echo "passed: $*"; }
failed() { echo "FAILED: $*"; failures=$((failures + 1)); }
win() { timeout 120 wine "$@" </dev/null 2>/dev/null | tr -d '\r'; }
ordovan_entries() { win uninstaller --list | grep -E '\|Ordovan$'; }

if [ -e "$prefix" ]; then
  [ -f "$prefix/system.reg" ] || { echo "FAILED: $prefix is there and no wine prefix"; exit 1; }
  timeout 60 wineserver -k 2>/dev/null
  rm -rf "$prefix"
fi
mkdir -p "$prefix"
timeout 300 wineboot </dev/null >/dev/null 2>&1
program=$prefix/drive_c/Program\ Files/Ordovan
user_folder=$(winepath -u "$(win cmd /c echo '%LOCALAPPDATA%\Ordovan')" 2>/dev/null)

# 1. The silent install.
timeout 300 wine msiexec /i "$(winepath -w "$msi")" /qn </dev/null >/dev/null 2>&1
rc=$?
missing=""
for f in ordovan.exe ordovan-cli.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll \
         platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
  [ -f "$program/$f" ] || missing+=" $f"
done
if [ "$rc" -ne 0 ] || [ -n "$missing" ] || [ -z "$(ordovan_entries)" ]; then
  failed "install: msiexec exit $rc; missing in Program Files\\Ordovan:${missing:- nothing}; uninstall entries: $(ordovan_entries | wc -l)"
else
  passed "install into Program Files\\Ordovan with an uninstall entry"
fi

# 2. The Start menu shortcut, started as the Start menu starts it.
shortcut=$(find "$prefix/drive_c" -path '*Start Menu/Programs/Ordovan.lnk' | head -n 1)
timeout 60 wineserver -w
if [ -z "$shortcut" ]; then
  failed "shortcut: no Start menu entry Ordovan.lnk"
elif [ ! -d "$user_folder" ]; then
  failed "shortcut: the installer made no folder $user_folder"
elif out=$(bash "$root/scripts/wine-first-start.sh" "$shortcut" "$prefix" "$user_folder" 2>&1); then
  passed "the Start menu shortcut shows the main window and writes default.set into %LOCALAPPDATA%\\Ordovan"
else
  failed "shortcut: $out"
fi

# 3. The command line from Program Files, started elsewhere.
help=$(cd "$prefix" && win "C:\\Program Files\\Ordovan\\ordovan-cli.exe" --help)
if echo "$help" | head -n 1 | grep -q '^Usage: ordovan-cli COMMAND'; then
  passed "ordovan-cli.exe --help from Program Files"
else
  failed "ordovan-cli.exe --help: '$(echo "$help" | head -n 3)'"
fi

# 4. A newer package replaces this one: one entry, of the newer version.
timeout 300 wine msiexec /i "$(winepath -w "$newer")" /qn </dev/null >/dev/null 2>&1
rc=$?
entries=$(ordovan_entries)
code=${entries%%|*}
shown=$(win reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code" /v DisplayVersion |
  sed -nE 's/.*DisplayVersion +REG_SZ +//p')
want=$(msiinfo export "$newer" Property | tr -d '\r' | sed -nE 's/^ProductVersion\t//p')
if [ "$rc" -eq 0 ] && [ "$(echo "$entries" | grep -c .)" -eq 1 ] && [ "$shown" = "$want" ] &&
   [ -f "$program/ordovan.exe" ]; then
  passed "the newer package replaces the installed one (version $shown)"
else
  failed "upgrade: msiexec exit $rc; entries: $(echo "$entries" | grep -c .); version shown: '$shown', not '$want'"
fi

# 5. Uninstall: the program's files go, the user's settings stay.
settings_before=$(stat -c %s "$user_folder/default.set" 2>/dev/null)
timeout 300 wine msiexec /x "$(winepath -w "$newer")" /qn </dev/null >/dev/null 2>&1
rc=$?
left=$(find "$program" 2>/dev/null | head -n 3)
if [ "$rc" -eq 0 ] && [ -z "$left" ] && [ -z "$(ordovan_entries)" ] &&
   [ -n "$settings_before" ] && [ "$(stat -c %s "$user_folder/default.set" 2>/dev/null)" = "$settings_before" ]; then
  passed "uninstall removes Program Files\\Ordovan and keeps default.set"
else
  failed "uninstall: msiexec exit $rc; left in Program Files: '${left}'; default.set ${settings_before:-never written}, now $(stat -c %s "$user_folder/default.set" 2>&1)"
fi

timeout 60 wineserver -k 2>/dev/null
[ "$failures" -eq 0 ]
