#!/usr/bin/env bash
# Screenshots of the Windows program, taken under Wine on a fresh Xvfb (so drawn by Wine's
# own controls and theme, not by Windows): the main window as it opens, and About, into
# DIR/windows-*.png (default docs/screenshots).
#   screenshots.sh [preset] [--shots DIR]
# Needs: wine, Xvfb, xdotool, ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/../.."
preset=windows shots=$PWD/docs/screenshots
while [ $# -gt 0 ]; do
  case $1 in
    --shots) shots=$(realpath -m "$2"); shift 2 ;;
    *) preset=$1; shift ;;
  esac
done
build="$PWD/build/$preset"
exe="$build/dvr-config.exe"
[ -f "$exe" ] || { echo "screenshots: $exe is missing; run make windows first" >&2; exit 1; }
caption="ORVANTIS and SELDORIX Configuration"

export WINEPREFIX="$build/wine-smoke"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "screenshots: $*" >&2
  mkdir -p "$shots" && import -window root "$shots/windows-failure.png" 2>/dev/null && echo "screenshots: screen in $shots/windows-failure.png" >&2
  exit 1
}

source scripts/windows/xvfb.sh
start_xvfb 1366x768x24
# The prefix is made (or brought up to date) first; drive E: is linked in afterwards.
mkdir -p "$WINEPREFIX"
"$wine64" cmd /c exit 2>/dev/null
wineserver -w

# Wine reads the drives when its server starts: one server for the whole run.
wineserver -p

window_of() {
  timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep . ||
    fail "no window \"$1\" appeared"
}
gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0
    sleep 0.2
  done
  fail "window \"$1\" did not close"
}
# No window manager: the pointer and the focus are put on the window before its keys.
keys() {
  local w=$1; shift
  xdotool mousemove --window "$w" 20 20
  xdotool windowfocus --sync "$w" 2>/dev/null || true
  for k in "$@"; do xdotool key "$k"; sleep 0.2; done
}
shot() { [ -z "$shots" ] || { mkdir -p "$shots"; import -window "$1" "$shots/windows-$2"; }; }

"$wine64" "$exe" &
main=$(window_of "$caption")
sleep 2

shot "$main" main-window.png

keys "$main" F1
about=$(window_of "About ORVANTIS and SELDORIX Config")
sleep 1
shot "$about" about.png
keys "$about" Return
gone "About ORVANTIS and SELDORIX Config"
keys "$main" alt+F4
gone "$caption"

echo "screenshots: windows-*.png in $shots"
