#!/usr/bin/env bash
# Retakes the screenshots in docs/screenshots from the real program under a private Xvfb:
# main-window.png shows the main window with a sample week loaded through Load From File
# (the GTK file chooser is driven with xdotool), about.png the About box.
# Usage: scripts/screenshots.sh [preset]   (default: default, i.e. build/default/ui/dvr-config)
# Needs: xvfb-run, xdotool, ImageMagick (import), python3.
set -euo pipefail

preset=${1:-default}
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/$preset/ui/dvr-config
out=$root/docs/screenshots
caption="ORVANTIS and SELDORIX Configuration"

for tool in xvfb-run xdotool import python3; do
  command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing" >&2; exit 1; }
done
[ -x "$bin" ] || { echo "screenshots.sh: build $bin first (cmake --build --preset $preset)" >&2; exit 1; }

# Everything below runs inside its own X server.
if [ "${DVR_SCREENSHOT_INNER:-}" != 1 ]; then
  exec xvfb-run -a -s "-screen 0 1280x900x24" env DVR_SCREENSHOT_INNER=1 NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory "$0" "$@"
fi

work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A realistic week: office hours at full rate, evenings on alarm, the weekend on motion.
python3 - "$work/WEEK.DAT" <<'PY'
import struct, sys
DAY = 86400
def t(day, h, m=0): return (day - 1) * DAY + h * 3600 + m * 60
# start, stop, trigger, duration, video out, resolution (0 frame, 2 field), rate code, kB
week = []
for day in range(1, 6):
    week.append((t(day, 7, 30), t(day, 18), 0, 10, 1, 2, 0, 32))
    week.append((t(day, 18), t(day + 1, 7, 30) % (7 * DAY), 1, 60, 1, 0, 4, 20))
week.append((t(6, 7, 30), t(1, 7, 30), 9, 30, 0, 2, 9, 16))
image = bytearray(6656)
struct.pack_into("<iHHIIII", image, 0, -8, 24, 7, 1, 6432, 0, 0)
struct.pack_into("<I", image, 24, len(week))
for i, (start, stop, trig, dur, vout, res, rate, kb) in enumerate(week):
    control = dur | (trig << 12) | (0x10000 if vout else 0)
    struct.pack_into("<6I", image, 28 + 24 * i, start, stop, control, res, rate, kb * 1000)
struct.pack_into("<6I", image, 6172, 0, 0, 65536, 1, 0, 16000)
struct.pack_into("<I", image, 6456, 1)
open(sys.argv[1], "wb").write(image)
PY

window_of() { xdotool search --sync --onlyvisible --name "$1" | head -1; }
focus() { xdotool mousemove --window "$1" 20 20; xdotool windowfocus --sync "$1" 2>/dev/null || true; }

"$bin" &
pid=$!
main=$(window_of "^$caption\$")
sleep 1
focus "$main"

# Load From File is second in tab order after Load From Card, which has the focus at start.
xdotool key --window "$main" Tab space
chooser=$(window_of "^Open\$")
focus "$chooser"
sleep 1
xdotool key ctrl+l
sleep 0.5
xdotool type --delay 20 "$work/WEEK.DAT"
xdotool key Return
# Wait for the chooser to close and the list to fill.
for _ in $(seq 50); do xdotool search --onlyvisible --name "^Open\$" >/dev/null || break; sleep 0.2; done
sleep 1
mkdir -p "$out"
import -window "$main" "$out/main-window.png"

# The About box, from F1.
focus "$main"
xdotool key --window "$main" F1
about=$(window_of "^About ORVANTIS and SELDORIX Config\$")
sleep 1
import -window "$about" "$out/about.png"
xdotool key --window "$about" Return
echo "screenshots written to $out"
