#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target ordovan
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display here, so the window opens on a virtual X server (xvfb-run)"
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$root/build/app/ordovan" "$@"
fi
exec "$root/build/app/ordovan" "$@"
