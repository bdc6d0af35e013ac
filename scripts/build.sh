#!/usr/bin/env bash
# Builds the product, tivora.exe for 32-bit Windows (release/), and, for the
# tests, the native rules (host/) and a Windows build of the architecture that
# this machine's Wine runs (win/), all below $TIVORA_BUILD.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$TIVORA_ROOT"
what="${1:-all}"

configure() {  # dir, extra args...
  local dir="$1"; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -Wno-dev "$@" >/dev/null
}

configure "$TIVORA_BUILD/release" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DTIVORA_TESTS=OFF
cmake --build "$TIVORA_BUILD/release" -j2 --target tivora
[ "$what" = exe ] && exit 0

configure "$TIVORA_BUILD/host" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$TIVORA_BUILD/host" -j2

configure "$TIVORA_BUILD/win" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$TIVORA_WINE_ARCH.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DTIVORA_TESTS=ON \
  -DTIVORA_RELEASE_EXE="$TIVORA_BUILD/release/tivora.exe"
cmake --build "$TIVORA_BUILD/win" -j2
