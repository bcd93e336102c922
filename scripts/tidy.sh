#!/usr/bin/env bash
# clang-tidy over the pure sources (native compile commands) and the Win32 glue (the
# MinGW compile commands, read by clang for the x86_64-w64-mingw32 target). clang knows
# no GBK execution charset, so that flag is dropped from the copies of the commands.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/build.sh native win64 >/dev/null
status=0
for preset in native win64; do
  db="build/tidy-$preset"
  mkdir -p "$db"
  sed -e 's/ -fexec-charset=GBK//g' "build/$preset/compile_commands.json" >"$db/compile_commands.json"
  extra=()
  if [ "$preset" = win64 ]; then
    gcc_inc=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include
    extra=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-Wno-unknown-warning-option
      "--extra-arg=-isystem$gcc_inc/c++" "--extra-arg=-isystem$gcc_inc/c++/x86_64-w64-mingw32"
      "--extra-arg=-isystem/usr/share/mingw-w64/include")
  fi
  files=$(python3 -c '
import json, sys
for e in json.load(open(sys.argv[1])):
    f = e["file"]
    if "/build/" in f or "/usr/" in f or "/data/make_" in f or f.endswith(".rc"): continue
    print(f)' "$db/compile_commands.json" | sort -u)
  # shellcheck disable=SC2086
  clang-tidy --quiet -p "$db" "${extra[@]}" $files 2>/dev/null | tee "$db/report.txt" | grep -E 'warning:|error:' && status=1
done
[ $status -eq 0 ] && echo "clang-tidy: clean"
exit $status
