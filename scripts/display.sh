# Sourced: start_display starts Xvfb on a free display (-displayfd), in a session of its own
# so it outlives the script that started it if need be, exports DISPLAY and TW_XVFB_PID;
# stop_display stops the prefix's wineserver and that Xvfb, by PID.
start_display() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 </dev/null &
  TW_XVFB_PID=$!
  local number=""
  read -r -t 30 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "display: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
  # Wait until the server answers.
  for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "display: Xvfb on $DISPLAY does not answer" >&2
  return 1
}
stop_display() {
  [ -n "${TW_WINESERVER:-}" ] && "$TW_WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "${TW_XVFB_PID:-}" ]; then
    kill "$TW_XVFB_PID" 2>/dev/null || true
    wait "$TW_XVFB_PID" 2>/dev/null || true
    unset TW_XVFB_PID
  fi
}
