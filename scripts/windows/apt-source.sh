#!/usr/bin/env bash
# Fetches a Debian source package with apt-get source without touching the system's apt
# setup: the deb-src entries are generated from this machine's own apt sources (no archive
# host is named here) into a private apt state folder, and apt-get runs on that folder only.
#
#   apt-source.sh STATE_DIR DEST_DIR PACKAGE [VERSION]
#
# Unpacks the source into DEST_DIR (apt-get source's usual <package>-<upstream> folder) and
# prints the unpacked folder's path on the last line of stdout.
set -euo pipefail
state=$1 dest=$2 package=$3 version=${4:-}

mkdir -p "$state/lists/partial" "$state/cache/archives/partial" "$state/sources.list.d" "$dest"
: > "$state/sources.list"
rm -f "$state"/sources.list.d/*

# One-line .list files: every active "deb" line becomes a "deb-src" line.
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] || continue
  sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >> "$state/sources.list"
done
# deb822 .sources files: each stanza whose Types has "deb" gets Types: deb-src.
n=0
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  n=$((n + 1))
  awk '
    /^[[:space:]]*#/ { next }
    /^Types:/ { if ($0 ~ /[[:space:]]deb([[:space:]]|$)/) print "Types: deb-src"; else print "Types: none"; next }
    { print }
  ' "$f" | awk 'BEGIN { RS = ""; ORS = "\n\n" } !/Types: none/ && !/Enabled: no/' \
    > "$state/sources.list.d/$n-$(basename "$f")"
done

apt_opts=(
  -o "Dir::Etc::SourceList=$state/sources.list"
  -o "Dir::Etc::SourceParts=$state/sources.list.d"
  -o "Dir::State=$state"
  -o "Dir::State::Lists=$state/lists"
  -o "Dir::State::status=/var/lib/dpkg/status"
  -o "Dir::Cache=$state/cache"
  -o "Dir::Cache::archives=$state/cache/archives"
  -o "Debug::NoLocking=1"
  -o "APT::Sandbox::User=root"
)
# A source without a deb-src index (a third-party archive) must not stop the others.
apt-get "${apt_opts[@]}" -qq update >&2 || echo "apt-source.sh: some sources failed to update; going on" >&2

# The version asked for first, then every version the archive lists, newest first: a
# mirror may lack one (a security update it does not carry yet).
versions=()
[ -n "$version" ] && versions+=("$version")
while read -r v; do versions+=("$v"); done < <(
  apt-cache "${apt_opts[@]}" showsrc "$package" 2>/dev/null |
  awk -v p="$package" '/^Package:/ { ok = ($2 == p) } ok && /^Version:/ { print $2 }' |
  sort -u | sort -r -V)
cd "$dest"
fetched=
for v in "${versions[@]}" ""; do
  request=$package
  [ -n "$v" ] && request="$package=$v"
  rm -f "$dest/$package"_*.dsc
  if apt-get "${apt_opts[@]}" -qq --download-only source "$request" >&2 2>/dev/null; then
    fetched=$request
    break
  fi
  echo "apt-source.sh: $request could not be fetched; trying the next version" >&2
done
[ -n "$fetched" ] || { echo "apt-source.sh: no version of $package could be fetched" >&2; exit 1; }
dsc=$(ls "$dest"/"$package"_*.dsc | head -1)
dir=$(awk '/^Version:/ { v = $2 } END { sub(/^[0-9]+:/, "", v); sub(/-[^-]*$/, "", v); print v }' "$dsc")
dir="$dest/$package-$dir"
if [ ! -d "$dir" ]; then
  dpkg-source --no-check -x "$dsc" "$dir" >&2
fi
echo "$dir"
