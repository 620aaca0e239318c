#!/usr/bin/env bash
# Installs the Debian package that `make package` built on this machine, checks that it put
# the editor, its desktop entry, metainfo, file type and icons in place, that the system's
# MIME database then knows a configuration by its name and by its content, that --help and
# --version answer, and starts the installed editor on a file under a private Xvfb server:
# its main window must appear, and it must still be running a moment later. The package is
# removed again unless it was installed before the test. On a German desktop its caption is
# German.
set -euo pipefail
cd "$(dirname "$0")/../.."

caption="ORVANTIS and SELDORIX Configuration"
deb=$(ls -t build/release/dvr-config_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ]; then
  echo "smoke: no build/release/dvr-config_*.deb; run 'make package' first" >&2
  exit 1
fi
# The MIME database and the validators first, so that the package's triggers find them.
bash scripts/install-deps.sh xvfb xauth xdotool python3 shared-mime-info libglib2.0-bin desktop-file-utils appstream

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
was_installed=no
dpkg-query -W -f='${Status}' dvr-config 2>/dev/null | grep -q '^install ok installed$' && was_installed=yes
files=$(mktemp -d)
cleanup() {
  if [ "$was_installed" = no ]; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq dvr-config >/dev/null || true
  fi
  rm -rf "$files"
}
trap cleanup EXIT

echo "smoke: installing $deb"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --reinstall "./$deb" >/dev/null

for f in /usr/bin/dvr-config \
         /usr/share/applications/io.github.dvrconfig.dvrconfig.desktop \
         /usr/share/metainfo/io.github.dvrconfig.dvrconfig.metainfo.xml \
         /usr/share/mime/packages/io.github.dvrconfig.dvrconfig.xml \
         /usr/share/icons/hicolor/scalable/apps/dvr-config.svg \
         /usr/share/icons/hicolor/48x48/apps/dvr-config.png \
         /usr/share/doc/dvr-config/copyright \
         /usr/share/locale/{de,es,fr,it}/LC_MESSAGES/{dvr-config,wxstd-3.2}.mo; do
  [ -e "$f" ] || { echo "smoke: $f is missing" >&2; exit 1; }
done
appstreamcli validate --no-net /usr/share/metainfo/io.github.dvrconfig.dvrconfig.metainfo.xml
desktop-file-validate /usr/share/applications/io.github.dvrconfig.dvrconfig.desktop
grep -qx 'Exec=dvr-config %f' /usr/share/applications/io.github.dvrconfig.dvrconfig.desktop ||
  { echo "smoke: the desktop entry passes no file" >&2; exit 1; }
for lang in de es fr it; do
  grep -q "^Name\[$lang\]=" /usr/share/applications/io.github.dvrconfig.dvrconfig.desktop &&
    grep -q "<summary xml:lang=\"$lang\">" /usr/share/metainfo/io.github.dvrconfig.dvrconfig.metainfo.xml ||
    { echo "smoke: the desktop entry or the metainfo has no $lang name or summary" >&2; exit 1; }
done

# The file type, as the file manager asks the system's MIME database: the card's file by its
# name in any letter case (whatever it holds), a saved week by its first bytes, anything else not.
type="application/x-dvr-config"
python3 scripts/sample-week.py "$files/WEEK.DAT"
for f in CONFIG01.DAT config01.dat ZEROS.DAT; do head -c 6656 /dev/zero >"$files/$f"; done
type_of() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
for f in WEEK.DAT config01.dat CONFIG01.DAT; do
  [ "$(type_of "$files/$f")" = "$type" ] || { echo "smoke: $f is of type $(type_of "$files/$f"), not $type" >&2; exit 1; }
done
[ "$(type_of "$files/ZEROS.DAT")" != "$type" ] || { echo "smoke: a file of zeros passes for a configuration" >&2; exit 1; }
gio mime "$type" | grep -q io.github.dvrconfig.dvrconfig.desktop ||
  { echo "smoke: the editor is not offered for $type" >&2; exit 1; }
echo "smoke: CONFIG01.DAT (any case) and a saved WEEK.DAT are $type, opened by the editor"

# The command line answers without a display.
version=$(dpkg-deb -f "$deb" Version)
[ "$(env -u DISPLAY dvr-config --version)" = "dvr-config $version" ] || { echo "smoke: --version" >&2; exit 1; }
env -u DISPLAY dvr-config --help | grep -q '^Usage: dvr-config' || { echo "smoke: --help" >&2; exit 1; }

# The installed editor, started as a desktop starts it on a file, from a folder outside the
# tree; a second file is refused with status 2.
export NO_AT_BRIDGE=1
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  set -u
  cd /
  status=0
  dvr-config "$2" "$2" 2>/dev/null || status=$?
  [ $status -eq 2 ] || { echo "smoke: two files ended with status $status, not 2" >&2; exit 1; }
  dvr-config "$2" & pid=$!
  # The title names the file it opened.
  if ! timeout 30 xdotool search --sync --onlyvisible --name "^WEEK\.DAT .+ $1\$" >/dev/null; then
    echo "smoke: no window \"WEEK.DAT – $1\" within 30 s" >&2
    kill $pid 2>/dev/null
    exit 1
  fi
  sleep 1
  if ! kill -0 $pid 2>/dev/null; then
    wait $pid; echo "smoke: the editor ended after showing its window (status $?)" >&2
    exit 1
  fi
  kill -TERM $pid
  wait $pid
  status=$?
  [ $status -eq 143 ] || { echo "smoke: the editor ended with status $status" >&2; exit 1; }
  echo "smoke: /usr/bin/dvr-config showed \"$1\""
' smoke "$caption" "$files/WEEK.DAT"

# On a German desktop the window's caption is the catalog's.
german=$(python3 -c 'import gettext, sys
print(gettext.translation("dvr-config", "/usr/share/locale", languages=["de"]).gettext(sys.argv[1]))' "$caption")
[ "$german" != "$caption" ] || { echo "smoke: the German catalog does not translate \"$caption\"" >&2; exit 1; }
LANG=de_DE.UTF-8 xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  dvr-config & pid=$!
  found=0
  timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null && found=1
  kill -TERM $pid; wait $pid
  [ $found = 1 ] || { echo "smoke: no window \"$1\" on a German desktop within 30 s" >&2; exit 1; }
  echo "smoke: on a German desktop the editor showed \"$1\""
' smoke "$german"
