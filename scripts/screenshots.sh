#!/usr/bin/env bash
# Retakes the screenshots in docs/screenshots from the real program: main-window.png (a
# sample week loaded through Load From File), schedule-item.png (Edit of an alarm entry),
# select-card.png (Save To Card with one card inserted), copy-to-cards.png (the week copied
# onto three cards, one of them write-protected), about.png, week-drag.png (a new
# entry being drawn on the week strip), copy-to-days.png and week-copied.png (that entry
# copied to the weekdays), week-move.png (Monday's entry being moved), all taken during one
# operator's session driven by scripts/ui-session.sh on a 1366x768 screen.
# Usage: scripts/screenshots.sh [preset]   (default: default, i.e. build/default/ui/dvr-config)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec bash "$root/scripts/ui-session.sh" --shots "$root/docs/screenshots" "${1:-default}"
