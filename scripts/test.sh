#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test:
#   linux    the core, platform and window tests (windows offscreen), via CTest
#   windows  the core and platform tests cross-built with mingw-w64, under wine
#   windows-gui  the program and its window tests cross-built against a Qt for
#            mingw-w64 (scripts/build-qt-mingw.sh), the tests under wine
#            offscreen, a first start of ordovan.exe on a virtual X server,
#            and the installer's install, shortcut, upgrade and uninstall
#   packages the .deb (lintian, desktop-file-validate, its programs run from
#            where dpkg -x unpacked it), and what the Windows packages hold
#   fuzz     every fuzz/fuzz_* target (settings reader, import parser, run journal reader) under libFuzzer for a fixed time
# The last line sums them up as "all: N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
fuzz_seconds=${ORDOVAN_FUZZ_SECONDS:-20}
bash "$root/scripts/setup.sh" || { echo "setup failed"; exit 1; }

total_pass=0; total_fail=0
tally() { # suite passed failed [why nothing ran]
  echo "$1: $2 passed, $3 failed${4:+ ($4)}"
  total_pass=$((total_pass + $2)); total_fail=$((total_fail + $3))
}

# Builds each named test program in the build tree DIR and runs it under wine
# with the environment in the array named ENV, within LIMIT seconds; prints
# GoogleTest's summary lines under LABEL and leaves the counts in wine_pass and
# wine_fail. A program that does not build or dies counts as one failure.
run_wine_tests() { # label dir limit env-array-name program...
  local label=$1 dir=$2 limit=$3
  local -n run_env=$4
  shift 4
  local prog log rc out p f
  wine_pass=0; wine_fail=0
  for prog in "$@"; do
    [ -n "$prog" ] || continue
    # Asked again per program, so that a stale one from an earlier run never runs.
    if ! cmake --build "$dir" --target "$prog" >>"$dir/build.log" 2>&1; then
      echo "$label $prog: build failed"; wine_fail=$((wine_fail + 1)); continue
    fi
    log="$dir/$prog.log"
    (cd "$dir" && timeout "$limit" "${run_env[@]}" wine "$dir/tests/$prog.exe" </dev/null >"$log" 2>&1)
    rc=$?
    out=$(tr -d '\r' <"$log")
    echo "$out" | grep -E '^\[  (FAILED|PASSED)  \]|^\[==========\]' | sed "s|^|$label $prog: |"
    p=$(echo "$out" | sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' | tail -n 1)
    f=$(echo "$out" | sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below:.*/\1/p' | tail -n 1)
    p=${p:-0}; f=${f:-0}
    if [ "$rc" -ne 0 ] && [ "$f" -eq 0 ]; then
      echo "$label $prog: exit code $rc"; echo "$out" | tail -n 20; f=1
    fi
    if [ "$f" -gt 0 ]; then
      echo "$out" | grep -E '^\[  FAILED  \]|Failure|error:' | head -n 40
    fi
    wine_pass=$((wine_pass + p)); wine_fail=$((wine_fail + f))
  done
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
  mapfile -t core_progs < "$win/test-programs.txt"
  run_wine_tests windows "$win" 600 wine_env "${core_progs[@]}"
  tally windows "$wine_pass" "$wine_fail"
else
  echo "windows: configure failed"; tally windows 0 1
fi

# --- windows-gui ---------------------------------------------------------
# The whole program and its window tests cross-built against the Qt for
# mingw-w64 in the machine's cache (unpacked there from shared/ beside the
# checkout when needed; building one takes half an hour, so this run never
# does). Each window test program runs under wine offscreen; then ordovan.exe
# starts on a virtual X server in an empty folder and must show its main
# window and write its first-start default.set; last, the packages are made
# and the installer is tried as a user meets it (scripts/wine-msi-check.sh).
wg="$root/build-windows-gui"
win_packages_why=""
mkdir -p "$wg" && rm -rf "$wg/packages"
if ! qt=$(bash "$root/scripts/build-qt-mingw.sh" --no-build 2>"$wg/qt.log"); then
  why=$(tail -n 1 "$wg/qt.log"); why=${why#build-qt-mingw: }
  tally windows-gui 0 0 "not run: $why; make one with scripts/build-qt-mingw.sh"
  win_packages_why="not made: $why"
else
  qt=$(echo "$qt" | tail -n 1)
  gpass=0; gfail=0
  if cmake -S "$root" -B "$wg" -G Ninja -DCMAKE_BUILD_TYPE=Release \
       -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
       -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
       -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
       -DORDOVAN_UI=ON -DORDOVAN_BENCH=OFF >"$wg/configure.log" 2>&1; then
    # Only the program and the window tests: the core's tests already ran in
    # the windows suite.
    mapfile -t ui_progs < <(grep -v '^$' "$wg/ui-test-programs.txt")
    cmake --build "$wg" -j "$jobs" --target ordovan "${ui_progs[@]}" -- -k 0 >"$wg/build.log" 2>&1 ||
      grep -E 'error|FAILED' "$wg/build.log" | head -n 40 | sed 's|^|windows-gui build: |'
    bash "$root/scripts/deploy-windows.sh" "$qt" "$wg/tests" --tests
    bash "$root/scripts/deploy-windows.sh" "$qt" "$wg/app"
    # Wine passes a QT_ variable on only under the name WINEQT_...
    gui_env=(env WINEPREFIX="$wg/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
             WINEQT_QPA_PLATFORM=offscreen)
    (cd "$wg" && timeout 300 "${gui_env[@]}" wineboot </dev/null >/dev/null 2>&1)
    # The tests' f: is a real drive, as on Windows: a link in the prefix's
    # dosdevices to an empty folder of the build tree, named to the tests in
    # ORDOVAN_TEST_DRIVES (they empty it again after each test).
    rm -rf "$wg/test-drives" && mkdir -p "$wg/test-drives/f"
    ln -sfn "$wg/test-drives/f" "$wg/wineprefix/dosdevices/f:"
    gui_env+=(ORDOVAN_TEST_DRIVES=f)
    run_wine_tests windows-gui "$wg" 900 gui_env "${ui_progs[@]}"
    gpass=$wine_pass; gfail=$wine_fail
    # The first start counts as one more test.
    rm -rf "$wg/first-start"
    if ! cmake --build "$wg" --target ordovan >>"$wg/build.log" 2>&1; then
      echo "windows-gui ordovan: build failed"; gfail=$((gfail + 1))
    elif bash "$root/scripts/wine-first-start.sh" "$wg/app/ordovan.exe" "$wg/wineprefix" \
           "$wg/first-start" "$wg/first-start.png" | sed 's|^|windows-gui ordovan.exe: |';
         [ "${PIPESTATUS[0]}" -eq 0 ]; then
      gpass=$((gpass + 1))
    else
      gfail=$((gfail + 1))
    fi
    # The zip and the installer, and a newer installer of the same files to
    # replace it; each check of the installer counts as a test.
    if bash "$root/scripts/package-windows.sh" --no-check --build "$wg" --out "$wg/packages" >"$wg/package.log" 2>&1 &&
       bash "$root/scripts/make-msi.sh" "$wg/stage/ordovan" "$wg/packaging/icons/ordovan.ico" \
         "$(cat "$wg/packaging/version.txt").1" "$wg/packages/newer.msi" >>"$wg/package.log" 2>&1; then
      out=$(bash "$root/scripts/wine-msi-check.sh" "$(ls "$wg"/packages/ordovan-*-x64.msi)" \
              "$wg/packages/newer.msi" "$wg/msi-prefix")
      rc=$?
      echo "$out" | sed 's|^|windows-gui msi: |'
      p=$(echo "$out" | grep -c '^passed:'); f=$(echo "$out" | grep -c '^FAILED:')
      [ "$rc" -ne 0 ] && [ "$f" -eq 0 ] && f=1
      gpass=$((gpass + p)); gfail=$((gfail + f))
    else
      echo "windows-gui msi: the packages were not made"; tail -n 20 "$wg/package.log"; gfail=$((gfail + 1))
    fi
  else
    echo "windows-gui: configure failed"; tail -n 20 "$wg/configure.log"; gfail=$((gfail + 1))
  fi
  tally windows-gui "$gpass" "$gfail"
fi

# --- packages ------------------------------------------------------------
# The .deb made from the linux build tree: lintian finds no error, the menu
# entry is valid, and from where dpkg -x unpacks it ordovan-cli plans a small
# reorganization and the launcher starts the program in the user's settings
# folder. Then what the Windows packages of the windows-gui suite hold: both
# programs with their version information and icon, in the zip and in the
# installer.
pk="$root/build-packages"
rm -rf "$pk" && mkdir -p "$pk"
started=$SECONDS
ppass=0; pfail=0
check() { # name command...: one test; its output goes to a log, shown when it fails
  local name=$1; shift
  if "$@" >"$pk/$name.log" 2>&1; then
    ppass=$((ppass + 1))
  else
    echo "packages $name: failed"; tail -n 30 "$pk/$name.log"; pfail=$((pfail + 1))
  fi
}
deb_lintian() {
  lintian --fail-on error "$1" 2>&1 | grep -v 'root privileges'
  return "${PIPESTATUS[0]}"
}
deb_plan() { # root
  bash "$root/scripts/demo-tree.sh" "$pk/demo" &&
    "$1/usr/bin/ordovan-cli" list "$pk/demo/src/Old Clients" --from 3 --to 3 >"$pk/demo/list.txt" &&
    "$1/usr/bin/ordovan-cli" plan --include "$pk/demo/list.txt" --base "$pk/demo/src/Old Clients" \
      --positions 2,1,3 --dest "$pk/demo/new" --quiet >"$pk/plan.txt" || return 1
  cat "$pk/plan.txt"
  # Nine folders planned, the year first, as native paths; a plan writes nothing.
  [ "$(grep -c 'demo/new/201[678]/Client[123]/docs$' "$pk/plan.txt")" -eq 9 ] && [ ! -e "$pk/demo/new" ]
}
deb_start() { # root: the main window with its icon, default.set in ~/.config/ordovan
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    env -u XDG_CONFIG_HOME HOME="$2" "$1/usr/bin/ordovan" >"$2/../start.log" 2>&1 &
    program=$!
    for _ in $(seq 1 120); do
      sleep 0.5
      window=$(xwininfo -root -tree | sed -nE "s/^ *(0x[0-9a-f]+) \"Ordovan 3.00\".*/\1/p" | head -n 1)
      size=$(stat -c %s "$2/.config/ordovan/default.set" 2>/dev/null)
      [ -n "$window" ] && [ "$size" = 2204480 ] && break
    done
    icon=$([ -n "$window" ] && xprop -id "$window" _NET_WM_ICON | head -c 200)
    kill "$program"; wait "$program"
    echo "window: ${window:-none}; default.set: ${size:-none}; icon: $(echo "$icon" | grep -o "Icon ([0-9]* x [0-9]*)" | head -n 1)"
    [ -n "$window" ] && [ "$size" = 2204480 ] && echo "$icon" | grep -q "Icon ("
  ' _ "$1" "$pk/home"
}
windows_packages() { # folder of the zip and installer
  local exe listing
  listing=$(cmake -E tar tf "$1/ordovan-windows.zip") || return 1
  for exe in ordovan.exe ordovan-cli.exe; do
    echo "$listing" | grep -qx "ordovan/$exe" || { echo "no ordovan/$exe in the zip"; return 1; }
    msiextract -l "$(ls "$1"/ordovan-*-x64.msi)" | grep -qx "Ordovan/$exe" || { echo "no $exe in the installer"; return 1; }
    wrestool -l "$wg/stage/ordovan/$exe" | grep -q 'type=group_icon' || { echo "$exe has no icon"; return 1; }
    strings -el "$wg/stage/ordovan/$exe" | tr '\n' ' ' | grep -q 'ProductName Ordovan ProductVersion 3.00' ||
      { echo "$exe has no version information of Ordovan 3.00"; return 1; }
  done
}
if check deb bash "$root/scripts/package-debian.sh" --build "$lin" --out "$pk"; then
  deb=$(tail -n 1 "$pk/deb.log")
  echo "packages: $(basename "$deb"), $(stat -c %s "$deb") bytes"
  check lintian deb_lintian "$deb" &&
    echo "packages: lintian: no error, $(grep -c '^W:' "$pk/lintian.log") warnings"
  mkdir -p "$pk/root" "$pk/home"
  if check unpack dpkg -x "$deb" "$pk/root"; then
    check desktop-entry desktop-file-validate "$pk/root/usr/share/applications/ordovan.desktop"
    check cli-plan deb_plan "$pk/root"
    check launcher-start deb_start "$pk/root"
  fi
fi
if [ -n "$win_packages_why" ]; then
  why="windows packages $win_packages_why"
elif [ -f "$wg/packages/ordovan-windows.zip" ]; then
  check windows-packages windows_packages "$wg/packages"; why=""
else
  echo "packages windows: the windows-gui suite made none"; pfail=$((pfail + 1)); why=""
fi
echo "packages: $((SECONDS - started)) s"
tally packages "$ppass" "$pfail" "$why"

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
