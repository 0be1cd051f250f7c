#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test:
#   linux    the core, platform and window tests (windows offscreen), via CTest
#   windows  the core and platform tests cross-built with mingw-w64, under wine
#   fuzz     every fuzz/fuzz_* target (settings reader, import parser) under libFuzzer for a fixed time
# The last line sums them up as "all: N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
fuzz_seconds=${ORDOVAN_FUZZ_SECONDS:-20}
bash "$root/scripts/setup.sh" || { echo "setup failed"; exit 1; }

total_pass=0; total_fail=0
tally() { # suite passed failed
  echo "$1: $2 passed, $3 failed"
  total_pass=$((total_pass + $2)); total_fail=$((total_fail + $3))
}

# --- linux ---------------------------------------------------------------
lin="$root/build"
if cmake -S "$root" -B "$lin" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
   cmake --build "$lin" -j "$jobs"; then
  log="$lin/ctest.log"
  (cd "$lin" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 300) | tee "$log" | grep -vE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed'
  summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -n "$summary" ]; then
    failed=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
    all=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/')
    tally linux $((all - failed)) "$failed"
  else
    tally linux 0 1
  fi
else
  echo "linux: build failed"; tally linux 0 1
fi

# --- windows -------------------------------------------------------------
# The core and its tests cross-built with mingw-w64 and run under 64-bit wine,
# whose prefix lives in the build tree (the first start creates it). A test
# program that does not build counts as one failure; the others still run.
win="$root/build-windows"
wine_env=(env WINEPREFIX="$win/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=")
if cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
     -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DORDOVAN_UI=OFF -DORDOVAN_BENCH=OFF >/dev/null; then
  # Keep going past a broken target, so that every program that builds runs.
  cmake --build "$win" -j "$jobs" -- -k 0 >"$win/build.log" 2>&1 ||
    grep -E 'error|FAILED' "$win/build.log" | head -n 40 | sed 's|^|windows build: |'
  # Wine's services outlive the program that started them and keep its output
  # open; boot them here with throw-away output, and give each test program a
  # file, not a pipe, so nothing waits for them to go.
  (cd "$win" && timeout 300 "${wine_env[@]}" wineboot </dev/null >/dev/null 2>&1)
  wpass=0; wfail=0
  while read -r prog; do
    [ -n "$prog" ] || continue
    if ! cmake --build "$win" --target "$prog" >>"$win/build.log" 2>&1; then
      echo "windows $prog: build failed"; wfail=$((wfail + 1)); continue
    fi
    log="$win/$prog.log"
    (cd "$win" && timeout 600 "${wine_env[@]}" wine "$win/tests/$prog.exe" </dev/null >"$log" 2>&1)
    rc=$?
    out=$(tr -d '\r' <"$log")
    echo "$out" | grep -E '^\[  (FAILED|PASSED)  \]|^\[==========\]' | sed "s|^|windows $prog: |"
    p=$(echo "$out" | sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' | tail -n 1)
    f=$(echo "$out" | sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below:.*/\1/p' | tail -n 1)
    p=${p:-0}; f=${f:-0}
    if [ "$rc" -ne 0 ] && [ "$f" -eq 0 ]; then
      echo "windows $prog: exit code $rc"; echo "$out" | tail -n 20; f=1
    fi
    [ "$f" -gt 0 ] && echo "$out" | grep -E '^\[  FAILED  \]|Failure|error:' | head -n 40
    wpass=$((wpass + p)); wfail=$((wfail + f))
  done < "$win/test-programs.txt"
  tally windows "$wpass" "$wfail"
else
  echo "windows: configure failed"; tally windows 0 1
fi

# --- fuzz ----------------------------------------------------------------
fz="$root/build-fuzz"
if CXX=clang++ cmake -S "$root" -B "$fz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
     -DORDOVAN_UI=OFF -DORDOVAN_TESTS=OFF -DORDOVAN_BENCH=OFF -DORDOVAN_FUZZ=ON >/dev/null &&
   cmake --build "$fz" -j "$jobs"; then
  fpass=0; ffail=0
  for target in "$fz"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$fz/corpus-$name"; mkdir -p "$corpus"
    cp -n "$root/fuzz/corpus/${name#fuzz_}"/* "$corpus/" 2>/dev/null || true
    if "$target" "$corpus" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 \
         > "$fz/$name.log" 2>&1; then
      echo "fuzz $name: $(grep -E '^Done [0-9]+ runs' "$fz/$name.log" | tail -n 1)"
      fpass=$((fpass + 1))
    else
      tail -n 40 "$fz/$name.log"; ffail=$((ffail + 1))
    fi
  done
  tally fuzz "$fpass" "$ffail"
else
  echo "fuzz: build failed"; tally fuzz 0 1
fi

echo "all: $total_pass passed, $total_fail failed"
[ "$total_fail" -eq 0 ] && [ "$total_pass" -gt 0 ]
