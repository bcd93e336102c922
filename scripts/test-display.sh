#!/usr/bin/env bash
# The tests' shared display: `start ENVFILE` starts Xvfb on a free display and the Wine
# prefix's wineserver, and writes DISPLAY and their PIDs to ENVFILE; `stop ENVFILE` stops
# them by PID.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" 2>/dev/null
source "$here/display.sh"
action=$1
envfile=$2
case $action in
  start)
    "$here/wine-prefix.sh"
    [ -f "$envfile" ] && "$0" stop "$envfile" || true
    start_display || exit 1
    xvfb=$TW_XVFB_PID
    # A persistent wineserver, so each test does not pay for its start.
    setsid "$TW_WINESERVER" -p >/dev/null 2>&1 < /dev/null &
    sleep 0.5
    server=$(pgrep -n -f "$TW_WINESERVER" || true)
    printf 'DISPLAY=%s\nTW_XVFB_PID=%s\nTW_SERVER_PID=%s\n' "$DISPLAY" "$xvfb" "$server" > "$envfile"
    # Wake the prefix once (services, the desktop) so the first test does not wait for it.
    timeout 120 "$TW_WINE" cmd.exe /c exit 0 >/dev/null 2>&1 || true
    echo "display $DISPLAY ready (Xvfb $xvfb, wineserver $server)"
    ;;
  stop)
    [ -f "$envfile" ] || exit 0
    source "$envfile"
    "$TW_WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "${TW_SERVER_PID:-}" ] && kill "$TW_SERVER_PID" 2>/dev/null || true
    [ -n "${TW_XVFB_PID:-}" ] && kill "$TW_XVFB_PID" 2>/dev/null || true
    rm -f "$envfile"
    echo "display stopped"
    ;;
  *)
    echo "usage: $0 start|stop ENVFILE" >&2
    exit 2
    ;;
esac
