#!/usr/bin/env bash
# Sets everything up, builds the program and starts it under Wine. With a display it runs
# there until it is closed; without one it runs on a virtual display, saves a screenshot of
# its window to build/screenshot.png and then closes it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mkdir -p build
bash scripts/setup.sh
bash scripts/build.sh win64
source scripts/wine-env.sh 2>/dev/null
exe="$root/build/win64/tarnwick.exe"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting Tarnwick on $DISPLAY"
  exec "$TW_WINE" "$exe"
fi
source scripts/display.sh
start_display
trap stop_display EXIT
echo "No display: running on the virtual display $DISPLAY"
"$TW_WINE" "$exe" &
pid=$!
sleep 8
shot="$root/build/screenshot.png"
import -window root -crop 640x420+192+180 +repage "$shot"
echo "Screenshot of the window: $shot"
xdotool key Escape
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null && echo "Tarnwick ended with exit code 0" || true
