#!/usr/bin/env bash
# Packs the Windows program of build/<preset> (default "windows") two ways:
#   build/<preset>/dvr-config-<version>-windows-x86_64.zip        portable: unzip and run
#   build/<preset>/dvr-config-<version>-windows-x86_64-setup.exe  per-user NSIS installer
# Both hold the program, its translations, a short read-me and the licences of everything
# linked into it.
set -euo pipefail
cd "$(dirname "$0")/../.."
preset=${1:-windows}
build="$PWD/build/$preset"
exe="$build/dvr-config.exe"
[ -f "$exe" ] || { echo "package: $exe is missing; run make windows first" >&2; exit 1; }
wx=$(sed -n 's/^DVR_WX_PREFIX:PATH=//p' "$build/CMakeCache.txt")
[ -d "$wx/licenses" ] || { echo "package: no licences in the wxMSW prefix '$wx'" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="dvr-config-$version-windows-x86_64"

stage="$build/package/$name"
rm -rf "$build/package"
mkdir -p "$stage/licenses"
crlf() { sed 's/\r*$/\r/' "$1" > "$2"; }  # Notepad before Windows 10 shows bare LFs as one line
cp "$exe" "$stage/"
# The catalogs of the editor and of the toolkit, in the folder the program looks in.
cp -r "$build/locale" "$stage/locale"
sed "s/@VERSION@/$version/" packaging/windows/README.txt > "$stage/README.tmp"
crlf "$stage/README.tmp" "$stage/README.txt"
rm "$stage/README.tmp"
crlf LICENSE "$stage/LICENSE.txt"
for f in "$wx"/licenses/*.txt; do crlf "$f" "$stage/licenses/$(basename "$f")"; done
crlf /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/MinGW-w64-runtime-copyright.txt"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/GCC-runtime-copyright.txt"

# The zip holds the folder, so unpacking it never scatters files.
rm -f "$build/$name.zip"
(cd "$build/package" && zip -q -r -X "$build/$name.zip" "$name")

makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$build/$name-setup.exe" \
  packaging/windows/installer.nsi
ls -l "$build/$name.zip" "$build/$name-setup.exe"
