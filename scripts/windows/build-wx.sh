#!/usr/bin/env bash
# Builds the static Windows (wxMSW) wxWidgets the Windows editor links, with MinGW-w64, from
# Debian's own source packages, wxwidgets3.2 and libpng1.6 for wxWidgets' PNG support
# (Debian's wxWidgets source carries no libpng), each fetched with apt-get source
# (scripts/windows/apt-source.sh) at the version this machine's Linux packages have; zlib is
# Debian's MinGW-w64 build of it, libz-mingw-w64-dev.
#
# The result lands in a cache folder outside the clone, keyed by the three versions, the
# compiler and the configure line, so a second run (or a second clone) reuses it:
#   ${DVR_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dvr-config/windows}/wx-<version>-<key>
# The prefix's path is printed on the last line of stdout; a log of the build is kept in
# the cache folder as build-<key>.log.
set -euo pipefail

host=x86_64-w64-mingw32
cache=${DVR_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dvr-config/windows}
jobs=${JOBS:-$(nproc)}
here=$(cd "$(dirname "$0")" && pwd)

# The source versions follow the Linux packages installed by scripts/install-deps.sh.
srcver() { dpkg-query -W -f='${source:Version}' "$1" 2>/dev/null || true; }
wx_version=$(srcver libwxgtk3.2-dev)
png_version=$(srcver libpng16-16)
zlib_version=$(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)

wx_configure=(--host=$host --build=x86_64-linux-gnu --disable-shared --enable-unicode
  --with-msw --enable-accessibility --disable-debug_flag
  --with-libpng=sys --with-zlib=sys --with-regex=builtin
  --without-libjpeg --without-libtiff --without-expat --without-liblzma --without-opengl
  --disable-xrc --disable-html --disable-webview --disable-mediactrl
  --disable-stc --disable-richtext --disable-aui --disable-propgrid --disable-ribbon
  --disable-sound --disable-svg --disable-tests)
cxx_version=$($host-g++-posix --version | head -1)
key=$(printf '%s\n' "$wx_version" "$png_version" "$zlib_version" "$cxx_version" "${wx_configure[*]}" |
      sha256sum | cut -c1-12)
folder="wx-${wx_version:-unpinned}-$key"
prefix="$cache/${folder//[:+~]/_}"

mkdir -p "$cache"
# Two clones (or two make runs) building at once: the second waits for the first and
# then takes its result.
exec 9>"$cache/.lock-$key"
flock 9

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work="$cache/build-$key"
log="$cache/build-$key.log"
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix/licenses"
echo "Building wxMSW into $prefix (log: $log)" >&2
start=$(date +%s)
build() {
  set -x
  # The pinned version, or the archive's nearest (apt-source.sh falls back).
  fetch() { bash "$here/apt-source.sh" "$cache/apt" "$work/src" "$1" "$2" | tail -1; }
  wx_src=$(fetch wxwidgets3.2 "$wx_version")
  png_src=$(fetch libpng1.6 "$png_version")
  [ -d "$wx_src" ] && [ -d "$png_src" ]

  # zlib: the package's static library, put first in the search path, so that -lz never
  # takes the package's import library of zlib1.dll beside it.
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "/usr/$host/lib/libz.a" "$prefix/lib/"

  # libpng: static, against that zlib.
  mkdir -p "$work/png"
  (cd "$work/png" && "$png_src/configure" --host=$host --prefix="$prefix" --disable-shared \
      --enable-static --disable-tests --disable-tools \
      CC=$host-gcc-posix CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" CFLAGS=-O2)
  make -C "$work/png" -j "$jobs" install
  [ -f "$prefix/include/png.h" ]

  # wxWidgets for MSW, static, against them.
  mkdir -p "$work/wx"
  (cd "$work/wx" && "$wx_src/configure" --prefix="$prefix" "${wx_configure[@]}" \
      CC=$host-gcc-posix CXX=$host-g++-posix \
      CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" CFLAGS=-O2 CXXFLAGS=-O2)
  make -C "$work/wx" -j "$jobs"
  make -C "$work/wx" install

  # The licences the Windows package ships.
  cp "$wx_src/docs/licence.txt" "$prefix/licenses/wxWidgets-licence.txt"
  cp "$png_src/LICENSE" "$prefix/licenses/libpng-LICENSE.txt"
  cp /usr/share/doc/libz-mingw-w64-dev/copyright "$prefix/licenses/zlib-copyright.txt"
}
# errexit must hold inside build(), so it is not run as the left side of ||.
set +e
(set -e; build) > "$log" 2>&1
rc=$?
set -e
if [ $rc -ne 0 ]; then
  echo "wxMSW build failed; see $log" >&2
  tail -30 "$log" >&2
  exit 1
fi

echo "$(($(date +%s) - start)) s" > "$prefix/.build-seconds"
touch "$prefix/.complete"
rm -rf "$work"
echo "wxMSW built in $(cat "$prefix/.build-seconds")" >&2
echo "$prefix"
