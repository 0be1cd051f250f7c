#!/bin/sh
# Makes the manual page of ordovan-cli from its --help, with the help of each
# command in a COMMANDS section, so that the page says what --help says.
#   sh cli-manpage.sh <ordovan-cli> <version> <output.1>
set -eu
cli=$1; version=$2; out=$3
include=$out.include
{
  echo "[COMMANDS]"
  for command in scan list plan organize undo; do
    echo ".SS $command"
    echo ".nf"
    # A line that starts with a dot or a quote would be read as a request.
    "$cli" "$command" --help | sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
    echo ".fi"
  done
} >"$include"
help2man --no-info --no-discard-stderr --version-string="$version" \
  --name="reorder the folder levels of many folder paths at once" \
  --section=1 --include="$include" --output="$out" "$cli"
rm -f "$include"
