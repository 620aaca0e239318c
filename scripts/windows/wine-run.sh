#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest (CMAKE_CROSSCOMPILING_EMULATOR). The prefix,
# the server and the display are set up by scripts/windows/run-tests.sh around the whole run.
# Wine's own chatter goes away; the program's output and exit status stay.
export WINEDEBUG=${WINEDEBUG:--all}
# Debian keeps the 64-bit loader out of PATH; /usr/bin/wine would pick it too, by a detour.
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
exec "$wine64" "$@"
