#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest (CMAKE_CROSSCOMPILING_EMULATOR). The prefix,
# the server and the display are set up by scripts/windows/run-tests.sh around the whole run.
# Wine's own chatter goes away; the program's output and exit status stay.
export WINEDEBUG=${WINEDEBUG:--all}
# Debian keeps the 64-bit loader out of PATH; /usr/bin/wine would pick it too, by a detour.
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)

# Now and then Wine fails to start a program at all: it ends at once, with an error status
# and not a line of output. That is started once more, and said so; a program that ran and
# failed, or printed anything, is never run again.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
for attempt in 1 2; do
  # The program's output goes on as it comes (a hanging test still shows how far it got).
  "$wine64" "$@" 2>"$err" | tee "$out"
  status=${PIPESTATUS[0]}
  cat "$err" >&2
  if [ "$status" -eq 0 ] || [ -s "$out" ] || [ -s "$err" ] || [ $attempt -eq 2 ]; then break; fi
  echo "wine-run: Wine ended with status $status before $(basename "$1") printed anything; starting it once more" >&2
done
exit "$status"
