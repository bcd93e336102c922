#!/usr/bin/env bash
# Configures and builds the given presets (default: native win64 win32).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native win64 win32)
for preset in "${presets[@]}"; do
  if [ ! -f "build/$preset/build.ninja" ]; then
    cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 || {
      cat "build/configure-$preset.log"; exit 1; }
  fi
  cmake --build --preset "$preset" -- -k 0
done
