#!/usr/bin/env bash
# Builds the product, tivora.exe for 32-bit Windows (release/), and, for the
# tests, the native rules (host/) and a Windows build of the architecture that
# this machine's Wine runs (win/), all below $TIVORA_BUILD.
#   build.sh        everything
#   build.sh exe    the product only
#   build.sh bench  the product and what the benchmarks run, without the tests
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$TIVORA_ROOT"
what="${1:-all}"

# The toolchain file a build folder was made with, as a full path; nothing
# for a native folder.
cached_toolchain() {
  local file
  file="$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$1/CMakeCache.txt")"
  if [ -n "$file" ]; then realpath "$file"; fi
}

# Configures a build folder on every call, so that changed options reach an
# existing one. CMake takes the toolchain only when a folder is first
# configured: a folder made for another one is made afresh, and one made
# for this one is not given it again (that would rebuild everything).
configure() {  # dir, extra args...
  local dir="$1" arg toolchain="" options=()
  shift
  for arg in "$@"; do
    case "$arg" in
      -DCMAKE_TOOLCHAIN_FILE=*) toolchain="$(realpath "${arg#*=}")" ;;
      *) options+=("$arg") ;;
    esac
  done
  if [ -f "$dir/CMakeCache.txt" ] && [ "$(cached_toolchain "$dir")" = "$toolchain" ]; then
    cmake -S . -B "$dir" -Wno-dev "${options[@]}" >/dev/null
  else
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    cmake -S . -B "$dir" -Wno-dev "$@" >/dev/null
  fi
}

release_targets=(tivora)
win_targets=()
if [ "$what" = bench ]; then
  release_targets+=(tivora_reference)
  win_targets=(--target tivora tivora_reference tivora_probe tivora_tickcalls)
fi

configure "$TIVORA_BUILD/release" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DTIVORA_TESTS=OFF
cmake --build "$TIVORA_BUILD/release" -j2 --target "${release_targets[@]}"
[ "$what" = exe ] && exit 0

if [ "$what" != bench ]; then
  configure "$TIVORA_BUILD/host" -DCMAKE_BUILD_TYPE=Debug
  cmake --build "$TIVORA_BUILD/host" -j2
fi

configure "$TIVORA_BUILD/win" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$TIVORA_WINE_ARCH.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DTIVORA_TESTS=ON \
  -DTIVORA_RELEASE_EXE="$TIVORA_BUILD/release/tivora.exe"
cmake --build "$TIVORA_BUILD/win" -j2 "${win_targets[@]}"
