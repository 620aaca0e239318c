#!/usr/bin/env bash
# One operator's session with the Windows program under Wine, through its real windows, on a
# fresh Xvfb and the build's own Wine prefix:
#   - a folder holding a recorder's card (R0000001.DAT and CONFIG01.DAT, a sample week) is
#     drive E: of the prefix, and a second card, with no entries and settings of its own
#     outside the schedule, drive F:;
#   - About with F1; Load From Card (Alt+L), where the select card dialog must offer the
#     card; the first entry opened with Edit and cancelled; Save To File (Alt+T) into a
#     folder of the session's, and the saved file must equal the card's byte for byte;
#   - Copy To Cards (Alt+O), Select All (Alt+A), Copy (Alt+C), Close (Escape): F: must then
#     hold E:'s entry count and slots, and every other byte it had;
#   - the window closed with Alt+F4, and the program must exit with status 0;
#   - --version answers on standard output;
#   - then the installer (when make windows-package has built it) run silently: the program
#     and its Start menu entry must be there, and the "Open with" keys under the current
#     user (Applications\dvr-config.exe for .DAT, its ProgID among .DAT's OpenWithProgids)
#     while .DAT's default program stays what it was; the installed program, given a file
#     with a name beyond ASCII as "Open with" gives it, must load it (saved back byte for
#     byte) and close again; the silent uninstaller must take the program and every one of
#     those keys away, and leave .DAT's default alone.
# With --shots DIR, the windows on the way are also saved as DIR/windows-*.png.
#   session.sh [preset] [--shots DIR]
# Needs: wine, Xvfb, xdotool, python3, and ImageMagick's import for --shots.
set -euo pipefail
cd "$(dirname "$0")/../.."
preset=windows shots=
while [ $# -gt 0 ]; do
  case $1 in
    --shots) shots=$(realpath -m "$2"); shift 2 ;;
    *) preset=$1; shift ;;
  esac
done
build="$PWD/build/$preset"
exe="$build/dvr-config.exe"
[ -f "$exe" ] || { echo "session: $exe is missing; run make windows first" >&2; exit 1; }
caption="ORVANTIS and SELDORIX Configuration"

source scripts/windows/wine-env.sh
wine_env "$build/wine-session"
work=$(mktemp -d)
xvfb_pid= editor=
cleanup() {
  [ -n "$editor" ] && kill "$editor" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -f "$WINEPREFIX/dosdevices/e:" "$WINEPREFIX/dosdevices/f:"
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "session: $*" >&2
  local dir=${shots:-$build}
  mkdir -p "$dir" && import -window root "$dir/windows-failure.png" 2>/dev/null &&
    echo "session: the screen is in $dir/windows-failure.png" >&2
  exit 1
}
say() { echo "session: $*"; }

start_xvfb 1366x768x24

# The card. Wine reads its drives when its server starts, so E: is linked before that.
mkdir -p "$work/card" "$work/card2" "$work/saved"
python3 scripts/sample-week.py "$work/card/CONFIG01.DAT" "$work/card2/CONFIG01.DAT"
: >"$work/card/R0000001.DAT"
: >"$work/card2/R0000001.DAT"
# F:'s recorder keeps settings of its own in the extension words and the tail.
python3 - "$work/card2/CONFIG01.DAT" <<'PY'
import sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
for at in (6172, 6195, 6470, 6509):
    data[at] ^= 0x5A
open(path, "wb").write(data)
PY
cp "$work/card2/CONFIG01.DAT" "$work/card2-before.DAT"
mkdir -p "$WINEPREFIX"
"$wine64" cmd /c exit 2>/dev/null  # makes the prefix, or brings it up to date
wineserver -w
ln -sfn "$work/card" "$WINEPREFIX/dosdevices/e:"
ln -sfn "$work/card2" "$WINEPREFIX/dosdevices/f:"
wineserver -p

window_of() {
  timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep . ||
    fail "no window \"$1\" appeared"
}
# The main window, whatever it has open: its title ends in the application's name.
main_window() {
  timeout 60 xdotool search --sync --onlyvisible --name "$caption\$" 2>/dev/null | head -1 | grep . ||
    fail "no window ending \"$caption\" appeared"
}
gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0
    sleep 0.2
  done
  fail "window \"$1\" did not close"
}
# No window manager: the main window is given the focus before its keys. While a modal
# dialog is up, Wine hands the keys to the dialog.
focus() {
  xdotool mousemove --window "$1" 20 20
  xdotool windowfocus --sync "$1" 2>/dev/null || true
}
keys() {
  for k in "$@"; do xdotool key "$k"; sleep 0.3; done
}
# Alt+F4 on the main window: the window must go and the program exit with status 0.
close_editor() {
  focus "$main"
  keys alt+F4
  gone ".*$caption"
  local status=0
  wait "$editor" || status=$?
  editor=
  [ "$status" -eq 0 ] || fail "$1 exited with status $status"
}
shot() { [ -z "$shots" ] || { mkdir -p "$shots"; import -window "$1" "$shots/windows-$2"; }; }

"$wine64" "$exe" &
editor=$!
main=$(window_of "$caption")
sleep 2
focus "$main"

keys F1
about=$(window_of "About ORVANTIS and SELDORIX Config")
sleep 1
shot "$about" about.png
keys Return
gone "About ORVANTIS and SELDORIX Config"

# Load From Card: the card must be offered. The list has the focus; Down chooses the card,
# Enter is OK.
focus "$main"
keys alt+l
select=$(window_of "Select Card")
sleep 2  # the dialog looks for cards as it opens
shot "$select" select-card.png
keys Down Return
gone "Select Card"
sleep 3  # Wine draws the filled table a moment later
shot "$main" main-window.png

focus "$main"
keys alt+e
item=$(window_of "Schedule Item")
sleep 1
shot "$item" schedule-item.png
keys Escape
gone "Schedule Item"

# Save To File, typed into Wine's own file dialog, to the Unix path $1.
save_to_file() {
  focus "$main"
  keys alt+t
  window_of "Save As" >/dev/null
  sleep 1
  keys End shift+Home  # the name field opens holding the current file's name
  xdotool type --delay 20 "Z:$(echo "$1" | tr / '\\')"
  keys Return
  gone "Save As"
  for _ in $(seq 50); do [ -s "$1" ] && break; sleep 0.2; done
}

# The saved file must be the card's.
saved="$work/saved/WEEK.DAT"
save_to_file "$saved"
cmp "$work/card/CONFIG01.DAT" "$saved" >/dev/null ||
  fail "the file saved is not the card's configuration (Load From Card did not fill the list?)"
say "the select card dialog offered drive E:, and its configuration was loaded and saved back byte for byte"

# Copy To Cards onto both drives: the dialog lists them as it opens, Select All ticks both,
# Copy writes them; once they answered, Escape closes.
focus "$main"
keys alt+o
cards=$(window_of "Copy To Cards")
sleep 2
keys alt+a alt+c
sleep 3
shot "$cards" copy-to-cards.png
keys Escape
gone "Copy To Cards"
python3 - "$work/card/CONFIG01.DAT" "$work/card2/CONFIG01.DAT" "$work/card2-before.DAT" <<'PY' ||
import sys
week, copied, before = (open(p, "rb").read() for p in sys.argv[1:4])
sys.exit(0 if copied[24:6172] == week[24:6172] and copied[6172:] == before[6172:] else 1)
PY
  fail "drive F: does not hold E:'s schedule with its own settings kept"
say "Copy To Cards wrote E:'s schedule onto drive F: and kept F:'s own settings"

close_editor "the editor"

version=$("$wine64" "$exe" --version 2>/dev/null | tr -d '\r')
[ "$version" = "dvr-config $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")" ] ||
  fail "--version answered \"$version\""

# The installer, run as an operator's silent install; per user, so no administrator rights.
setup=$(ls "$build"/dvr-config-*-windows-x86_64-setup.exe 2>/dev/null | tail -1 || true)
if [ -z "$setup" ]; then
  say "no installer in $build (make windows-package builds it); the install steps are skipped"
  exit 0
fi
user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
installed="$user_dir/AppData/Local/Programs/dvr-config"
start_menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
rm -rf "$installed"

# The registry as reg.exe shows it: whether a key (or one of its values) is there, and a
# value's data ("" for the key's default value).
classes='HKCU\Software\Classes'
app="$classes\Applications\dvr-config.exe"
progid="$classes\DvrConfig.Configuration"
dat="$classes\.DAT"
reg_has() {
  if [ $# -eq 2 ]; then "$wine64" reg query "$1" /v "$2" >/dev/null 2>&1
  else "$wine64" reg query "$1" >/dev/null 2>&1; fi
}
reg_data() {
  local which=(/ve)
  [ -n "${2:-}" ] && which=(/v "$2")
  "$wine64" reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' | awk -F'    ' '/REG_/ { print $4 }'
}
# .DAT's default program, as another program set it: neither the installer nor the uninstaller
# may change it.
"$wine64" reg add "$dat" /ve /d Other.DatFile /f >/dev/null 2>&1

"$wine64" "$setup" /S
[ -f "$installed/dvr-config.exe" ] || fail "the installer put no dvr-config.exe into $installed"
for lang in de es fr it; do
  for catalog in dvr-config wxstd-3.2; do
    [ -f "$installed/locale/$lang/LC_MESSAGES/$catalog.mo" ] || fail "the installer put no $lang $catalog catalog in place"
  done
done
find "$start_menu" -iname "*.lnk" | grep -qi "ORVANTIS\|dvr" || fail "the installer made no Start menu entry"

reg_has "$app\SupportedTypes" .DAT || fail "no $app\SupportedTypes .DAT"
for key in "$app" "$progid"; do
  command=$(reg_data "$key\shell\open\command")
  case $command in
    '"C:\users\'*'\Programs\dvr-config\dvr-config.exe" "%1"') ;;
    *) fail "$key\shell\open\command is \"$command\"" ;;
  esac
done
reg_has "$dat\OpenWithProgids" DvrConfig.Configuration || fail "DvrConfig.Configuration is not among .DAT's OpenWithProgids"
default=$(reg_data "$dat")
[ "$default" = Other.DatFile ] || fail "the installer changed .DAT's default program to \"$default\""
say "the installer offers the program under Open with for .DAT and left .DAT's default program alone"

# The installed program started as Open with starts it, on a file whose name goes beyond
# ASCII: it must have loaded it, for the copy it saves to be the same bytes.
opened="$work/Wöche ☃ ∑.DAT"
cp "$work/card/CONFIG01.DAT" "$opened"
LC_ALL=C.UTF-8 "$wine64" "$installed/dvr-config.exe" "$(LC_ALL=C.UTF-8 "$wine64" winepath -w "$opened" | tr -d '\r')" &
editor=$!
main=$(main_window)
sleep 2
save_to_file "$work/saved/OPENED.DAT"
cmp "$opened" "$work/saved/OPENED.DAT" >/dev/null || fail "the file named on the command line was not loaded"
close_editor "the installed editor"
say "the installed program loaded \"$(basename "$opened")\" from its command line"

# The uninstaller copies itself away (Temp\~nsu*.tmp) and works from there: wait for that
# copy to end.
"$wine64" "$installed/uninstall.exe" /S
for _ in $(seq 100); do pgrep -f '~nsu' >/dev/null || break; sleep 0.3; done
[ ! -e "$installed/dvr-config.exe" ] || fail "the uninstaller left $installed/dvr-config.exe"
[ ! -e "$installed/locale" ] || fail "the uninstaller left $installed/locale"
for key in "$app" "$progid" "$dat\OpenWithProgids"; do
  ! reg_has "$key" || fail "the uninstaller left $key"
done
default=$(reg_data "$dat")
[ "$default" = Other.DatFile ] || fail "the uninstaller changed .DAT's default program to \"$default\""
"$wine64" reg delete "$dat" /f >/dev/null 2>&1 || true
say "the installer put the program and its Start menu entry in place, the installed program ran, and the uninstaller took it and its Open with keys away"
