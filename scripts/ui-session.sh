#!/usr/bin/env bash
# Drives the real editor through its windows as an operator would, under a private Xvfb:
# Load From File (through the GTK file chooser) a sample week, open an entry with Edit
# and cancel, Save To Card onto a card chosen in the select card dialog, Copy To Cards onto
# every card inserted, open the About box with F1, print the week with Ctrl+P to GTK's
# "Print to File", and close the main window. The card must hold the week afterwards, a
# second card the week with its own settings kept, a write-protected third card what it
# held; the PDF must show the file, the week and all eleven rows, and the editor must exit
# with status 0.
#
# Usage: scripts/ui-session.sh [--shots DIR] [--wrap "COMMAND ..."] [preset]
#   --shots DIR   also write main-window.png, schedule-item.png, select-card.png,
#                 copy-to-cards.png, about.png and printed-page.png (the PDF's page) into DIR
#   --wrap CMD    start the editor under CMD (valgrind, for instance); waits grow to match
#   preset        the build to run: build/<preset>/ui/dvr-config (default: default)
#
# The card is a folder bind-mounted under /mnt in a mount namespace of the session's own
# (unshare), so nothing outside the session sees it. Without the rights for that, the card
# steps are skipped and the script says so.
# Needs: xvfb-run, xdotool, python3, poppler-utils, and ImageMagick's import for --shots.
set -euo pipefail

shots=
wrap=
while [ $# -gt 0 ]; do
  case $1 in
    --shots) shots=$(realpath -m "$2"); shift 2 ;;
    --wrap) wrap=$2; shift 2 ;;
    *) break ;;
  esac
done
preset=${1:-default}
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/$preset/ui/dvr-config
caption="ORVANTIS and SELDORIX Configuration"
card_label=RECORDER_CARD

need=(xvfb-run xdotool python3 pdftotext pdftoppm)
[ -n "$shots" ] && need+=(import)
for tool in "${need[@]}"; do
  command -v "$tool" >/dev/null || { echo "ui-session: $tool is missing" >&2; exit 1; }
done
[ -x "$bin" ] || { echo "ui-session: build $bin first (cmake --build --preset $preset)" >&2; exit 1; }

# Stage 1: a mount namespace of our own, where the card can be mounted.
if [ -z "${DVR_SESSION_STAGE:-}" ]; then
  args=()
  [ -n "$shots" ] && args+=(--shots "$shots")
  [ -n "$wrap" ] && args+=(--wrap "$wrap")
  args+=("$preset")
  export DVR_SESSION_STAGE=namespace
  if [ "$(id -u)" -eq 0 ] && unshare --mount --propagation private true 2>/dev/null; then
    exec unshare --mount --propagation private "$0" "${args[@]}"
  elif unshare --user --map-root-user --mount true 2>/dev/null; then
    exec unshare --user --map-root-user --mount "$0" "${args[@]}"
  fi
  echo "ui-session: no mount namespace available; the card steps are skipped" >&2
  DVR_SESSION_STAGE=nocard exec "$0" "${args[@]}"
fi

# Stage 2: the session's own X server.
if [ "$DVR_SESSION_STAGE" != inner ]; then
  export DVR_SESSION_CARD=$([ "$DVR_SESSION_STAGE" = namespace ] && echo yes || echo no)
  export DVR_SESSION_STAGE=inner NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory GTK_OVERLAY_SCROLLING=0
  args=()
  [ -n "$shots" ] && args+=(--shots "$shots")
  [ -n "$wrap" ] && args+=(--wrap "$wrap")
  exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "${args[@]}" "$preset"
fi

# The work folder lives in the build tree: a card's folder must be on a block device for
# the editor to take it for mounted media, which /tmp (often tmpfs) may not be.
mkdir -p "$root/build"
work=$(mktemp -d "$root/build/ui-session.XXXXXX")
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  for label in "$card_label" SECOND_CARD WRITE_LOCKED; do
    mountpoint -q "/mnt/$label" 2>/dev/null && umount "/mnt/$label" || true
  done
  mountpoint -q /mnt 2>/dev/null && [ "$DVR_SESSION_CARD" = yes ] && umount /mnt || true
  rm -rf "$work"
}
trap cleanup EXIT

# Waits scale with the wrapper: under valgrind the editor answers some ten times slower.
slow=1
[ -n "$wrap" ] && slow=10
pause() { sleep "$(python3 -c "print($1 * $slow)")"; }
# A failure leaves a picture of the whole screen beside the screenshots.
fail() {
  echo "ui-session: $*" >&2
  [ -z "$shots" ] || { mkdir -p "$shots"; import -window root "$shots/failure.png" || true; }
  exit 1
}

# A realistic week (11 entries) and an empty schedule.
python3 "$root/scripts/sample-week.py" "$work/WEEK.DAT" "$work/EMPTY.DAT"

if [ "$DVR_SESSION_CARD" = yes ]; then
  # A tmpfs over /mnt hides whatever the machine keeps there; the card goes on top of it.
  mkdir -p "$work/card"
  cp "$work/EMPTY.DAT" "$work/card/CONFIG01.DAT"
  : >"$work/card/R0000001.DAT"
  mount -t tmpfs dvr-session /mnt
  mkdir "/mnt/$card_label"
  mount --bind "$work/card" "/mnt/$card_label"
  # Two more cards for Copy To Cards, listed after the first: one whose recorder keeps
  # settings of its own outside the schedule, one write-protected (mounted read-only).
  for extra in SECOND_CARD WRITE_LOCKED; do
    mkdir -p "$work/$extra" "/mnt/$extra"
    cp "$work/EMPTY.DAT" "$work/$extra/CONFIG01.DAT"
    : >"$work/$extra/R0000001.DAT"
  done
  python3 - "$work/SECOND_CARD/CONFIG01.DAT" <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
for at in (6172, 6195, 6470, 6509):
    data[at] ^= 0x5A
open(sys.argv[1], "wb").write(data)
PY
  cp "$work/SECOND_CARD/CONFIG01.DAT" "$work/second-before.DAT"
  mount --bind "$work/SECOND_CARD" /mnt/SECOND_CARD
  mount --bind "$work/WRITE_LOCKED" /mnt/WRITE_LOCKED
  mount -o remount,bind,ro /mnt/WRITE_LOCKED
fi

# Windows are found by their exact title; a wait that outlasts its limit ends the session.
window_of() {
  timeout "$((30 * slow))" xdotool search --sync --onlyvisible --name "^$1\$" | head -1 ||
    fail "no window \"$1\" appeared"
}
gone() {
  for _ in $(seq $((100 * slow))); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0
    sleep 0.2
  done
  fail "window \"$1\" did not close"
}
focus() { xdotool mousemove --window "$1" 20 20; xdotool windowfocus --sync "$1" 2>/dev/null || true; }
# Keys go to the window with the input focus; without a window manager nobody else gives it.
keys() {
  local w=$1; shift
  focus "$w"
  for k in "$@"; do xdotool key "$k"; pause 0.1; done
}
shot() { [ -z "$shots" ] || { mkdir -p "$shots"; import -window "$1" "$shots/$2"; }; }
# The close box of a window manager: ask the window to close (WM_DELETE_WINDOW).
close_window() {
  python3 - "$1" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XFlush.argtypes = [ctypes.c_void_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]
d = x.XOpenDisplay(None)
ev = ClientMessage(type=33, window=int(sys.argv[1]), format=32)
ev.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
ev.data[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XSendEvent(d, int(sys.argv[1]), 0, 0, ctypes.byref(ev))
x.XFlush(d)
PY
}

# Started in the work folder, where GTK's "Print to File" puts its output.pdf: with no folders
# of the user's own configured, so that it looks nowhere else, and with that the only printer
# the print dialog offers, so that no page of the session ever reaches a real printer.
cd "$work"
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
printf '[Settings]\ngtk-print-backends=file\n' >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
# shellcheck disable=SC2086 # the wrapper is a command line of its own
$wrap "$bin" &
pid=$!
main=$(window_of "$caption")
pause 1
focus "$main"

# Enter after a dialog presses nothing the operator did not choose: a fresh window starts on
# the list, New (Alt+N) and OK (Alt+O) add an entry, and the focus goes back to the list,
# where Enter asks nothing. Ctrl+Z takes the entry back to the schedule as it opened, which
# has nothing unsaved, so loading asks nothing either.
keys "$main" alt+n
item=$(window_of "Schedule Item")
pause 0.5
keys "$item" alt+o
gone "Schedule Item"
pause 0.5
keys "$main" Return
pause 1
xdotool search --onlyvisible --name "^Confirm\$" >/dev/null && fail "Enter after the item dialog asked a question"
keys "$main" ctrl+z
pause 0.5
echo "ui-session: Enter after the item dialog pressed no button"

# Load From File by its key, Ctrl+O.
keys "$main" ctrl+o
chooser=$(window_of Open)
focus "$chooser"
pause 1
xdotool key ctrl+l
pause 0.5
xdotool type --delay 20 "$work/WEEK.DAT"
xdotool key Return
gone Open
pause 1
shot "$main" main-window.png
# The title names the file now.
[ "$(xdotool getwindowname "$main")" = "WEEK.DAT – $caption" ] ||
  fail "the title reads \"$(xdotool getwindowname "$main")\" after the load"

# Edit the Friday evening alarm, the row above the last one, which the load left selected.
# The focus came back to the list after the file chooser; Alt+E is Edit.
focus "$main"
keys "$main" Up alt+e
item=$(window_of "Schedule Item")
pause 1
shot "$item" schedule-item.png
keys "$item" Escape
gone "Schedule Item"

if [ "$DVR_SESSION_CARD" = yes ]; then
  # Alt+S is Save To Card.
  focus "$main"
  keys "$main" alt+s
  select=$(window_of "Select Card")
  pause 1.5
  focus "$select"
  # The list has the focus and nothing chosen: choose the card, then OK.
  keys "$select" Down
  pause 0.5
  shot "$select" select-card.png
  keys "$select" Return
  gone "Select Card"
  pause 1
  python3 - "$work/card/CONFIG01.DAT" <<'PY' || fail "the card does not hold the week"
import struct, sys
data = open(sys.argv[1], "rb").read()
assert len(data) == 6656, len(data)
assert struct.unpack_from("<I", data, 24)[0] == 11
PY
  echo "ui-session: the card holds the week"
  # Delete the selected entry (Delete, then Yes), and Ctrl+S puts the schedule back on the
  # card it was saved to, found again by its label.
  focus "$main"
  keys "$main" Delete
  confirm=$(window_of "Confirm Delete")
  keys "$confirm" Return
  gone "Confirm Delete"
  pause 0.5
  [ "$(xdotool getwindowname "$main")" = "*Card $card_label – $caption" ] ||
    fail "the title reads \"$(xdotool getwindowname "$main")\" with a change unsaved"
  keys "$main" ctrl+s
  pause 1
  python3 - "$work/card/CONFIG01.DAT" <<'PY' || fail "Ctrl+S did not put the schedule back on the card"
import struct, sys
data = open(sys.argv[1], "rb").read()
assert struct.unpack_from("<I", data, 24)[0] == 10
PY
  [ "$(xdotool getwindowname "$main")" = "Card $card_label – $caption" ] ||
    fail "the title reads \"$(xdotool getwindowname "$main")\" after Ctrl+S"
  # Ctrl+Z brings the entry back, unsaved until the next Ctrl+S.
  keys "$main" ctrl+z ctrl+s
  pause 1
  [ "$(xdotool getwindowname "$main")" = "Card $card_label – $caption" ] ||
    fail "the title reads \"$(xdotool getwindowname "$main")\" after Ctrl+Z and Ctrl+S"
  echo "ui-session: Ctrl+S saved the changed schedule back to the card"

  # Copy To Cards (Alt+O) lists the three cards; Select All (Alt+A) ticks them and Copy
  # (Alt+C) writes them side by side. Escape closes once every card has answered.
  keys "$main" alt+o
  cards=$(window_of "Copy To Cards")
  pause 1
  keys "$cards" alt+a alt+c
  pause 2
  shot "$cards" copy-to-cards.png
  keys "$cards" Escape
  gone "Copy To Cards"
  python3 - "$work/card/CONFIG01.DAT" "$work/SECOND_CARD/CONFIG01.DAT" "$work/second-before.DAT" \
    "$work/WRITE_LOCKED/CONFIG01.DAT" "$work/EMPTY.DAT" <<'PY' || fail "Copy To Cards did not write the schedule alone"
import sys
week, second, before, locked, empty = (open(p, "rb").read() for p in sys.argv[1:6])
assert second[24:6172] == week[24:6172], "the second card lacks the week"
assert second[6172:] == before[6172:], "the second card lost its own settings"
assert locked == empty, "the write-protected card changed"
PY
  echo "ui-session: Copy To Cards wrote the week onto the second card, its own settings kept, and left the locked one alone"
fi

focus "$main"
keys "$main" F1
about=$(window_of "About ORVANTIS and SELDORIX Config")
pause 1
shot "$about" about.png
keys "$about" Return
gone "About ORVANTIS and SELDORIX Config"

# Print (Ctrl+P) through GTK's own dialog: its one printer here, "Print to File", and Print
# (Alt+P). The PDF must name where the week came from and show its day labels, all eleven rows
# and the page number.
focus "$main"
keys "$main" ctrl+p
print=$(window_of Print)
pause 1.5
keys "$print" Down alt+p
gone Print
for _ in $(seq $((100 * slow))); do pdfinfo "$work/output.pdf" >/dev/null 2>&1 && break; sleep 0.2; done
pdftotext -layout "$work/output.pdf" "$work/printed.txt" 2>/dev/null || fail "nothing was printed to $work/output.pdf"
# The schedule was last saved to the card, when the session has one.
grep -qE "(/WEEK.DAT|Card $card_label), 11 entries" "$work/printed.txt" || fail "the printed page does not name where the week came from"
grep -qw Mon "$work/printed.txt" || fail "the printed page shows no week"
[ "$(grep -cE '^ *[0-9]{2}:[0-9]{2}:[0-9]{2} on [A-Z][a-z]+day ' "$work/printed.txt")" -eq 11 ] ||
  fail "the printed page does not show the eleven rows"
grep -q "Page 1 of 1" "$work/printed.txt" || fail "the printed page has no page number"
[ -z "$shots" ] || pdftoppm -r 96 -png -singlefile "$work/output.pdf" "$shots/printed-page"
echo "ui-session: the week printed to a PDF through GTK's print dialog"

if [ -n "$shots" ]; then
  # A new entry drawn on the week strip: empty the schedule (the card already holds the
  # week), then drag from Monday 07:30 to 18:00 and take the picture with the button down.
  # Releasing opens the schedule item dialog on the drawn span, which is cancelled.
  focus "$main"
  keys "$main" alt+a
  confirm=$(window_of "Confirm Delete")
  keys "$confirm" Return
  gone "Confirm Delete"
  pause 0.5
  eval "$(xdotool getwindowgeometry --shell "$main")"
  # The strip stands above the status line: its plot runs from 49 pixels from the left to
  # 143 from the right (the legend beside it), Monday's row 208 pixels above the bottom (under
  # the rows stand the hours, the week's two coverage lines and the status line), a row every 17.
  x_at() { python3 -c "print(int($X + 49 + ($WIDTH - 192) * $1 / 24))"; }
  row_y=$((Y + HEIGHT - 208))
  xdotool mousemove "$(x_at 7.5)" "$row_y" mousedown 1
  for hour in 9 11 13 15 17 18; do xdotool mousemove "$(x_at $hour)" "$row_y"; pause 0.1; done
  pause 0.5
  # From the screen, so that the tooltip over the strip is in the picture too.
  [ -z "$shots" ] || import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/week-drag.png"
  xdotool mouseup 1
  item=$(window_of "Schedule Item")
  pause 0.5
  # OK by its key: Return would open the day list, which has the focus.
  keys "$item" alt+o
  gone "Schedule Item"
  # The same hours on every weekday: Copy To Days (Alt+Y), Weekdays (Alt+W), OK.
  focus "$main"
  keys "$main" alt+y
  days=$(window_of "Copy To Days")
  pause 0.5
  keys "$days" alt+w
  shot "$days" copy-to-days.png
  keys "$days" Return
  gone "Copy To Days"
  pause 0.5
  shot "$main" week-copied.png
  # Monday's hours moved two hours later by the middle of their bar: the picture with the
  # button down shows the ghost and its tip; the release moves the entry, Ctrl+Z puts it back.
  xdotool mousemove "$(x_at 12)" "$row_y" mousedown 1
  for hour in 12.5 13 13.5 14; do xdotool mousemove "$(x_at $hour)" "$row_y"; pause 0.1; done
  pause 0.5
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/week-move.png"
  xdotool mouseup 1
  pause 0.5
  keys "$main" ctrl+z
fi

close_window "$main"
if [ -n "$shots" ]; then
  # The drawn week is not saved: closing asks first, and Yes (Alt+Y; No is the default that
  # Return would take) lets it go.
  ask=$(window_of "Confirm")
  keys "$ask" alt+y
fi
status=0
for _ in $(seq $((100 * slow))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "the editor did not exit after its window was closed"
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the editor exited with status $status"
echo "ui-session: done${shots:+, screenshots in $shots}"
