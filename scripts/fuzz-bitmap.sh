#!/usr/bin/env bash
# Fuzzes the background picture's file checks for SECONDS seconds (default
# 60) and prints how many inputs ran and how many crashed. Fails on a crash.
#   bash scripts/fuzz-bitmap.sh 600
# The corpus grows across runs in $TIVORA_BUILD/fuzz-bitmap; crashing inputs
# are kept there under artifacts/.
set -euo pipefail
seconds="${1:-60}"
here="$(dirname "${BASH_SOURCE[0]}")"

if [ -z "${FUZZ_BITMAP_BIN:-}" ]; then
  source "$here/wine-env.sh"
  build="$TIVORA_BUILD/host"
  [ -f "$build/CMakeCache.txt" ] ||
    cmake -S "$TIVORA_ROOT" -B "$build" -Wno-dev -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$build" -j2 --target fuzz_bitmap_check make_bitmap_seeds >/dev/null
  FUZZ_BITMAP_BIN="$build/tests/fuzz/fuzz_bitmap_check"
  FUZZ_BITMAP_SEEDER="$build/tests/fuzz/make_bitmap_seeds"
  FUZZ_BITMAP_WORK="${FUZZ_BITMAP_WORK:-$TIVORA_BUILD/fuzz-bitmap}"
fi

work="$FUZZ_BITMAP_WORK"
seeds="$work/seeds"
corpus="$work/corpus"
artifacts="$work/artifacts/$(date +%Y%m%d-%H%M%S)-$$"
mkdir -p "$seeds" "$corpus" "$artifacts"
"$FUZZ_BITMAP_SEEDER" "$seeds" >/dev/null

log="$artifacts/fuzz.log"
status=0
started=$SECONDS
"$FUZZ_BITMAP_BIN" "$corpus" "$seeds" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" \
  >"$log" 2>&1 || status=$?

executions="$(awk '/stat::number_of_executed_units:/ {print $2}' "$log" | tail -1)"
crashes="$(find "$artifacts" -type f ! -name fuzz.log | wc -l)"
echo "bitmap fuzzing: ${executions:-0} executions in $((SECONDS - started)) s, $crashes crashes" \
  "(corpus $(find "$corpus" -type f | wc -l) files)"

if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then
  echo "the fuzzer stopped with status $status; its log and inputs are in $artifacts" >&2
  grep -E "ERROR|runtime error|SUMMARY" "$log" | head -20 >&2 || true
  exit 1
fi
rm -rf "$artifacts"
