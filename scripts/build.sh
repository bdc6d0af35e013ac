#!/usr/bin/env bash
# Builds the product, build/release/tivora.exe (32-bit), and, for the tests,
# the native rules (build/host) and a Windows build of the architecture that
# this machine's Wine runs (build/win).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$TIVORA_ROOT"
what="${1:-all}"

configure() {  # dir, extra args...
  local dir="$1"; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -Wno-dev "$@" >/dev/null
}

configure build/release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DTIVORA_TESTS=OFF
cmake --build build/release -j2 --target tivora
[ "$what" = exe ] && exit 0

configure build/host -DCMAKE_BUILD_TYPE=Debug
cmake --build build/host -j2

configure build/win -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$TIVORA_WINE_ARCH.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DTIVORA_TESTS=ON \
  -DTIVORA_RELEASE_EXE="$TIVORA_ROOT/build/release/tivora.exe"
cmake --build build/win -j2
