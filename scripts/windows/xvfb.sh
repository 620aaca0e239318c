# Sourced by the Windows scripts: start_xvfb WxHxD starts a fresh X server on the first
# display number that is free (Xvfb reports which), exports DISPLAY and sets xvfb_pid.
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
