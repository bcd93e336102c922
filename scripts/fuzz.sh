#!/usr/bin/env bash
# Builds one libFuzzer target (clang, ASan, UBSan) and runs it from its committed seed corpus.
#   scripts/fuzz.sh TARGET RUNS [extra libFuzzer flags]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=$1
runs=$2
shift 2
case $target in
  text_number) src="scheduler/text_number_fuzz.cpp scheduler/text_number.cpp" ;;
  icon_file) src="tray/icon_file_fuzz.cpp tray/icon_file.cpp" ;;
  picture) src="app/picture_fuzz.cpp app/picture.cpp" ; libs=-ljpeg ;;
  *) echo "unknown fuzz target $target" >&2; exit 2 ;;
esac
out="$root/build/fuzz"
mkdir -p "$out"
bin="$out/$target"
srcs=()
for s in $src; do srcs+=("$root/$s"); done
newest=$(ls -t "${srcs[@]}" "$0" | head -n 1)
if [ ! -x "$bin" ] || [ "$newest" -nt "$bin" ]; then
  clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -finput-charset=UTF-8 -I"$root" "${srcs[@]}" ${libs:-} -o "$bin"
fi
corpus="$out/corpus-$target"
mkdir -p "$corpus"
"$bin" -runs="$runs" -seed=1 -max_len=4096 "$@" "$corpus" "$root/${src%%_fuzz.cpp*}_corpus"
