#!/usr/bin/env bash
# Sets everything up, builds every target and runs every test tier: native unit tests and
# short fuzzing (Linux, ASan + UBSan), Win32 tests in-process under Wine, end-to-end runs of
# the real program. Ends with the line "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mkdir -p build
bash scripts/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }
if ! bash scripts/build.sh; then
  echo "build failed"
  echo "0 passed, 1 failed"
  exit 1
fi

passed=0
failed=0
run_tier() {
  local name=$1 dir=$2 log="build/ctest-$1.log"
  shift 2
  echo "=== $name"
  (cd "$dir" && ctest --output-on-failure "$@") 2>&1 | tee "$log"
  local line
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    return
  fi
  local total bad
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}
run_tier native build/native -j2
run_tier win64 build/win64
echo "${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ]
