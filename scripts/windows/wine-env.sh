# Sourced by the Windows scripts that run programs under Wine.
#
# wine_env PREFIX: use the private 64-bit prefix PREFIX, with Wine's own chatter off and no
# Mono or Gecko download prompts (the programs need neither); sets wine64 to the 64-bit
# loader, which Debian keeps out of PATH.
wine_env() {
  export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
  wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
}

# start_xvfb WxHxD starts a fresh X server on the first display number that is free (Xvfb
# reports which), exports DISPLAY and sets xvfb_pid.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  local display
  read -r display <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$display"
}
