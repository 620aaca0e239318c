#!/usr/bin/env bash
# Runs the scripted operator session (scripts/ui-session.sh) with the editor under valgrind
# memcheck: any invalid access, use of uninitialised memory or definite leak fails the run,
# apart from the library faults listed and explained in scripts/valgrind/gtk.supp.
# The full report stays in build/memcheck/valgrind.log.
# Usage: scripts/memcheck.sh [preset]   (default: default)
set -euo pipefail
preset=${1:-default}
root=$(cd "$(dirname "$0")/.." && pwd)
command -v valgrind >/dev/null || { echo "memcheck: valgrind is missing" >&2; exit 1; }
out=$root/build/memcheck
mkdir -p "$out"
rm -f "$out/valgrind.log"

# Forks that GTK makes to start helpers are not followed: they exec another program.
wrap="valgrind --error-exitcode=99 --leak-check=full --show-leak-kinds=definite"
wrap+=" --errors-for-leak-kinds=definite --child-silent-after-fork=yes --num-callers=40"
wrap+=" --suppressions=$root/scripts/valgrind/gtk.supp --log-file=$out/valgrind.log"
if ! bash "$root/scripts/ui-session.sh" --wrap "$wrap" "$preset"; then
  echo "memcheck: the session failed; valgrind's report is in $out/valgrind.log" >&2
  grep -E "ERROR SUMMARY|definitely lost:" "$out/valgrind.log" >&2 || true
  exit 1
fi
grep -E "ERROR SUMMARY|definitely lost:|suppressed:" "$out/valgrind.log" | sed 's/^==[0-9]*== /memcheck: /'
