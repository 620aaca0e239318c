#!/usr/bin/env bash
# Runs the Windows build's tests (build/<preset>, default "windows") under Wine: ctest runs
# each test program through scripts/windows/wine-run.sh (the toolchain's emulator).
#
# Everything Wine needs is private to the run's build folder and torn down afterwards:
#   - its own WINEPREFIX, build/<preset>/wine (made on the first run, reused after);
#   - a fresh Xvfb on a free display, for whatever Wine wants to show;
#   - one persistent wineserver for the whole run (wineserver -p), warmed up by a first
#     "wine64 cmd /c exit" that also finishes setting up the prefix, so that the first test
#     does not pay for (or time out on) Wine's start; wineserver -k at the end.
set -euo pipefail
cd "$(dirname "$0")/../.."
preset=${1:-windows}
shift || true
build="$PWD/build/$preset"
[ -d "$build" ] || { echo "run-tests: $build is missing; build it first (make windows-test)" >&2; exit 1; }

source scripts/windows/wine-env.sh
wine_env "$build/wine"

xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

start_xvfb 1280x1024x24

mkdir -p "$WINEPREFIX"
wineserver -p
start=$(date +%s)
"$wine64" cmd /c exit
echo "run-tests: Wine ready in $(($(date +%s) - start)) s (prefix $WINEPREFIX, display $DISPLAY)"

ctest --test-dir "$build" --output-on-failure --timeout 300 -j "${JOBS:-$(nproc)}" "$@"
