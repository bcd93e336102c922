#!/usr/bin/env bash
# Creates the project's Wine prefix once: a 64-bit prefix whose default desktop is the
# virtual desktop "shell" (1024 x 768, with a taskbar and notification area), without the
# crash dialog. TW_WINEPREFIX names another prefix (the power-off test makes a copy).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.tarnwick-ready"
[ -f "$stamp" ] && exit 0
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
echo "wine-prefix: creating $WINEPREFIX"
# wineboot needs no display for this; DISPLAY is cleared so nothing opens a window.
DISPLAY= "$TW_WINE" wineboot -i >/dev/null 2>&1 || true
"$TW_WINESERVER" -w
reg() { DISPLAY= "$TW_WINE" reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d shell
reg 'HKCU\Software\Wine\Explorer\Desktops' /v shell /t REG_SZ /d 1024x768
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
"$TW_WINESERVER" -w
touch "$stamp"
echo "wine-prefix: ready"
