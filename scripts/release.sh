#!/usr/bin/env bash
# The release artefact: the two stripped executables and their SHA-256 sums in dist/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh >/dev/null
bash scripts/build.sh win64 win32
rm -rf dist
mkdir -p dist
cp build/win64/tarnwick.exe dist/tarnwick-x64.exe
cp build/win32/tarnwick.exe dist/tarnwick-x86.exe
(cd dist && sha256sum tarnwick-x64.exe tarnwick-x86.exe > SHA256SUMS)
ls -l dist
cat dist/SHA256SUMS
