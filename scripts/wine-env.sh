# Sourced: the environment every Wine start of this project uses.
# LC_ALL picks the ANSI code page at each start: zh_CN.UTF-8 gives code page 936.
tw_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${TW_WINEPREFIX:-$tw_root/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export LC_ALL=zh_CN.UTF-8
export TW_WINE=/usr/lib/wine/wine64
export TW_WINESERVER=/usr/lib/wine/wineserver
