#!/usr/bin/env bash
# The faces' drawing benchmark: a second-hand-only cycle against a full
# redraw of the analog face on a memory bitmap, and how many of 60 ticks draw
# anything for each display. Prints figures; not a test.
#   bash bench/faces/run.sh
# The figures are those of the clock's drawing code as this machine's Wine
# runs it (i686 where 32-bit Wine runs, x86-64 elsewhere).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/wine-env.sh"
cd "$TIVORA_ROOT"
bash scripts/build.sh >/dev/null
cmake --build "$TIVORA_BUILD/win" -j2 --target tivora_facebench >/dev/null
source scripts/xvfb.sh
trap stop_started_displays EXIT
export WINEPREFIX="${WINEPREFIX:-$TIVORA_BUILD/wineprefix}"
bash scripts/prepare-prefix.sh "$WINEPREFIX" test
"$TIVORA_WINE" "$TIVORA_BUILD/win/bench/faces/tivora_facebench.exe" | tr -d '\r'
