#!/usr/bin/env bash
# Retakes the screenshots in docs/screenshots from the real program: main-window.png (a
# sample week loaded through Load From File), schedule-item.png (Edit of an alarm entry),
# select-card.png (Save To Card with one card inserted) and about.png, all taken during one
# operator's session driven by scripts/ui-session.sh.
# Usage: scripts/screenshots.sh [preset]   (default: default, i.e. build/default/ui/dvr-config)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec bash "$root/scripts/ui-session.sh" --shots "$root/docs/screenshots" "${1:-default}"
