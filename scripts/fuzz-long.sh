#!/usr/bin/env bash
# Longer fuzzing runs than the test command's: each target for SECONDS (default 600),
# growing its corpus in build/fuzz. Crashes are written to build/fuzz/crash-*.
#   scripts/fuzz-long.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
status=0
for target in text_number icon_file picture; do
  echo "=== $target for ${seconds}s"
  "$root/scripts/fuzz.sh" "$target" -1 -max_total_time="$seconds" \
    -artifact_prefix="$root/build/fuzz/crash-$target-" -print_final_stats=1 2>&1 | tail -n 12 || status=1
done
exit $status
