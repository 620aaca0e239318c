#!/usr/bin/env bash
# Installs, on a Debian machine, whatever the build and the tests need and is not there yet.
# Extra package names may be passed as arguments (the benchmarks and the package build add theirs).
set -euo pipefail

packages=(cmake make g++ pkg-config libwxgtk3.2-dev libgtk-3-dev libgtest-dev libgmock-dev
          xvfb xauth fonts-dejavu-core gettext wx3.2-i18n locales "$@")
# The locales of the editor's languages, which its tests and sessions start it in.
locales=(de_DE.UTF-8 es_ES.UTF-8 fr_FR.UTF-8 it_IT.UTF-8)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

# A locale counts as there when locale -a lists it ("de_DE.utf8").
missing_locales=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || missing_locales+=("$l")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_locales[@]} -eq 0 ] && exit 0

if [ ${#missing[@]} -gt 0 ] && ! command -v apt-get >/dev/null 2>&1; then
  echo "Missing packages: ${missing[*]}. Install them with your system's package manager." >&2
  exit 1
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ ${#missing_locales[@]} -gt 0 ]; then
  echo "Generating locales: ${missing_locales[*]}"
  for l in "${missing_locales[@]}"; do
    grep -qx "$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${sudo[@]}" locale-gen >/dev/null
fi
