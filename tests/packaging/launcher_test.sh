#!/usr/bin/env bash
# The Linux launcher (packaging/linux/ordovan): which settings folder it starts
# the program in for each XDG_CONFIG_HOME and HOME, that it makes the folder
# when missing and leaves what is in it alone, and that it refuses to start
# when there is no usable folder.
#   bash launcher_test.sh <packaging/linux/ordovan>
set -u
launcher=$(realpath "$1")
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# The installed layout, with a program that tells where it was started.
mkdir -p "$t/usr/bin" "$t/usr/libexec/ordovan" "$t/home" "$t/cwd"
cp "$launcher" "$t/usr/bin/ordovan"
printf '#!/bin/sh\nprintf "%%s\\n" "$PWD" "$@"\n' >"$t/usr/libexec/ordovan/ordovan"
chmod +x "$t/usr/bin/ordovan" "$t/usr/libexec/ordovan/ordovan"

run() { # XDG_CONFIG_HOME (or "-" for unset) HOME (or "-") args...
  local xdg=$1 home=$2; shift 2
  local env_args=(env -u XDG_CONFIG_HOME -u HOME)
  [ "$xdg" = "-" ] || env_args+=("XDG_CONFIG_HOME=$xdg")
  [ "$home" = "-" ] || env_args+=("HOME=$home")
  (cd "$t/cwd" && "${env_args[@]}" "$t/usr/bin/ordovan" "$@" 2>"$t/stderr")
}

# XDG_CONFIG_HOME | HOME | the folder the program must start in
while IFS='|' read -r xdg home want; do
  out=$(run "$xdg" "$home") || { fail "XDG_CONFIG_HOME=$xdg HOME=$home: exit $?"; continue; }
  [ "$out" = "$want" ] || fail "XDG_CONFIG_HOME=$xdg HOME=$home: started in '$out', not '$want'"
  mode=$(stat -c %a "$want" 2>/dev/null)
  [ "$mode" = 700 ] || fail "$want was made with mode '$mode', not 700"
done <<EOF_CASES
$t/xdg|$t/home|$t/xdg/ordovan
-|$t/home|$t/home/.config/ordovan
|$t/home2|$t/home2/.config/ordovan
relative/config|$t/home3|$t/home3/.config/ordovan
$t/with blanks/cfg|-|$t/with blanks/cfg/ordovan
EOF_CASES
[ -e "$t/cwd/relative" ] && fail "a relative XDG_CONFIG_HOME made a folder in the current one"

# A second start keeps the user's settings and passes its arguments on.
echo "the user's settings" >"$t/xdg/ordovan/default.set"
out=$(run "$t/xdg" "$t/home" "two words" --x)
[ "$out" = "$(printf '%s\n' "$t/xdg/ordovan" "two words" --x)" ] || fail "second start: '$out'"
[ "$(cat "$t/xdg/ordovan/default.set")" = "the user's settings" ] || fail "default.set was changed"

# No folder to use: the program is not started.
if out=$(run - -); then fail "started without HOME: '$out'"; fi
grep -q "neither XDG_CONFIG_HOME nor HOME" "$t/stderr" || fail "no HOME: message '$(cat "$t/stderr")'"
mkdir -p "$t/blocked" && echo "someone's file" >"$t/blocked/ordovan"
if out=$(run "$t/blocked" "$t/home"); then fail "started with a file where the folder goes: '$out'"; fi
[ "$(cat "$t/blocked/ordovan")" = "someone's file" ] || fail "the file in the folder's place was changed"

[ "$failures" -eq 0 ] && echo "launcher: every case passed"
[ "$failures" -eq 0 ]
