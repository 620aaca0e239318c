#!/usr/bin/env bash
# Installs the Debian package that `make package` built on this machine, checks that it put
# the editor, its desktop entry, metainfo and icons in place, and starts the installed editor
# under a private Xvfb server: its main window must appear, and it must still be running a
# moment later. The package is removed again unless it was installed before the test.
set -euo pipefail
cd "$(dirname "$0")/../.."

caption="ORVANTIS and SELDORIX Configuration"
deb=$(ls -t build/release/dvr-config_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ]; then
  echo "smoke: no build/release/dvr-config_*.deb; run 'make package' first" >&2
  exit 1
fi
bash scripts/install-deps.sh xvfb xauth xdotool

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
was_installed=no
dpkg-query -W -f='${Status}' dvr-config 2>/dev/null | grep -q '^install ok installed$' && was_installed=yes
cleanup() {
  if [ "$was_installed" = no ]; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq dvr-config >/dev/null || true
  fi
}
trap cleanup EXIT

echo "smoke: installing $deb"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --reinstall "./$deb" >/dev/null

for f in /usr/bin/dvr-config \
         /usr/share/applications/io.github.dvrconfig.dvrconfig.desktop \
         /usr/share/metainfo/io.github.dvrconfig.dvrconfig.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/dvr-config.svg \
         /usr/share/icons/hicolor/48x48/apps/dvr-config.png \
         /usr/share/doc/dvr-config/copyright; do
  [ -e "$f" ] || { echo "smoke: $f is missing" >&2; exit 1; }
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net /usr/share/metainfo/io.github.dvrconfig.dvrconfig.metainfo.xml
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/io.github.dvrconfig.dvrconfig.desktop
fi

# The installed editor, started as a desktop would start it, from a folder outside the tree.
export NO_AT_BRIDGE=1
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  set -u
  cd /
  dvr-config & pid=$!
  if ! timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null; then
    echo "smoke: no window \"$1\" within 30 s" >&2
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
' smoke "$caption"
