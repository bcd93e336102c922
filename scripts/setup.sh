#!/usr/bin/env bash
# Installs every tool the build and the tests need (Debian packages), cross-builds
# libjpeg-turbo and GoogleTest for MinGW into build/deps, and prepares the Wine prefix.
# Safe to run again: each step checks whether its work is already done.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/build/deps"
mkdir -p "$deps"
export DEBIAN_FRONTEND=noninteractive

packages=(cmake ninja-build make g++ clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  wine64 xvfb xdotool x11-utils imagemagick fonts-wqy-zenhei
  libjpeg62-turbo-dev googletest clang-format clang-tidy dpkg-dev locales)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
src_list=/etc/apt/sources.list.d/tarnwick-src.sources
need_src=0
[ -d "$deps/libjpeg-turbo-src" ] || need_src=1
if [ "$need_src" = 1 ] && [ ! -f "$src_list" ]; then
  # Source entries mirror the binary ones, so apt-get source can fetch libjpeg-turbo.
  sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$src_list"
  missing+=(__update__)
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get update -q
  pkgs=()
  for p in "${missing[@]}"; do [ "$p" = __update__ ] || pkgs+=("$p"); done
  [ ${#pkgs[@]} -eq 0 ] || apt-get install -y -q --no-install-recommends "${pkgs[@]}"
fi

# The Chinese locale that Wine runs under (LC_ALL=zh_CN.UTF-8 gives code page 936).
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

# libjpeg-turbo source, fetched once.
if [ ! -d "$deps/libjpeg-turbo-src" ]; then
  tmp=$(mktemp -d)
  (cd "$tmp" && apt-get source -q --download-only libjpeg-turbo && dpkg-source -x --skip-patches ./libjpeg-turbo_*.dsc src)
  mv "$tmp/src" "$deps/libjpeg-turbo-src"
  rm -rf "$tmp"
fi

# Lean decoder-side libjpeg for each MinGW target.
build_jpeg() {
  local arch=$1 prefix="$deps/jpeg-$1"
  [ -f "$prefix/lib/libjpeg.a" ] && return 0
  local b="$deps/jpeg-build-$arch"
  rm -rf "$b"
  # The program decodes one baseline picture at full scale into RGB: the colour quantizers,
  # merged upsampling, scaled IDCTs and progressive decoding are left out.
  local src="$deps/libjpeg-turbo-lean"
  if [ ! -d "$src" ]; then
    cp -a "$deps/libjpeg-turbo-src" "$src.tmp"
    sed -i -e 's/^#define QUANT_1PASS_SUPPORTED/#undef QUANT_1PASS_SUPPORTED/' \
      -e 's/^#define QUANT_2PASS_SUPPORTED/#undef QUANT_2PASS_SUPPORTED/' \
      -e 's/^#define UPSAMPLE_MERGING_SUPPORTED/#undef UPSAMPLE_MERGING_SUPPORTED/' \
      -e 's/^#define IDCT_SCALING_SUPPORTED/#undef IDCT_SCALING_SUPPORTED/' \
      -e 's/^#define DCT_IFAST_SUPPORTED/#undef DCT_IFAST_SUPPORTED/' \
      -e 's/^#define DCT_FLOAT_SUPPORTED/#undef DCT_FLOAT_SUPPORTED/' \
      "$src.tmp/jmorecfg.h"
    mv "$src.tmp" "$src"
  fi
  cmake -S "$src" -B "$b" -G Ninja \
    -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR="$2" \
    -DCMAKE_C_COMPILER="$arch-w64-mingw32-gcc-posix" -DCMAKE_RC_COMPILER="$arch-w64-mingw32-windres" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections -DNO_GETENV -DNO_PUTENV" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_ARITH_ENC=OFF \
    -DWITH_ARITH_DEC=OFF -DWITH_SIMD=OFF -DWITH_JPEG8=OFF -DWITH_JAVA=OFF >"$b.log" 2>&1
  cmake --build "$b" --target jpeg-static >>"$b.log" 2>&1
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$b/libjpeg.a" "$prefix/lib/"
  cp "$b/jconfig.h" "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$prefix/include/"
}
build_jpeg x86_64 AMD64
build_jpeg i686 x86

# GoogleTest for the 64-bit MinGW target (the Win32 tests run under wine64 only).
if [ ! -f "$deps/gtest-x86_64/lib/libgtest.a" ]; then
  b="$deps/gtest-build-x86_64"
  rm -rf "$b"
  cmake -S /usr/src/googletest -B "$b" -G Ninja -DCMAKE_SYSTEM_NAME=Windows \
    -DCMAKE_CXX_COMPILER=x86_64-w64-mingw32-g++-posix -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps/gtest-x86_64" \
    -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF >"$b.log" 2>&1
  cmake --build "$b" >>"$b.log" 2>&1
  cmake --install "$b" >>"$b.log" 2>&1
fi

"$root/scripts/wine-prefix.sh"
echo "setup: ready"
