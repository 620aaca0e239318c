#!/usr/bin/env bash
# Installs, on a Debian machine, whatever the build and the tests need and is not there yet.
# Extra package names may be passed as arguments (the benchmarks and the package build add theirs).
set -euo pipefail

packages=(cmake make g++ pkg-config libwxgtk3.2-dev libgtk-3-dev libgtest-dev libgmock-dev
          xvfb xauth fonts-dejavu-core "$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Missing packages: ${missing[*]}. Install them with your system's package manager." >&2
  exit 1
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
