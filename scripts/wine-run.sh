#!/usr/bin/env bash
# Runs a Windows program under wine64 on the tests' display and returns its exit code.
#   wine-run.sh ENVFILE PROGRAM.exe [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" 2>/dev/null
source "$1"
export DISPLAY
shift
if [ -n "${TW_EXE_UNIX:-}" ]; then
  export TW_EXE="Z:${TW_EXE_UNIX//\//\\}"
fi
exec "$TW_WINE" "$@"
