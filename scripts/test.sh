#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test tier
# (host, win, e2e) with one ctest run.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
bash "$here/install-deps.sh"
source "$here/wine-env.sh"
cd "$TIVORA_ROOT"
bash scripts/build.sh

# The win tests and the e2e tests each get a Wine prefix and an X display
# of their own, so that the two tiers can run side by side.
source scripts/xvfb.sh
display_number="${DISPLAY#:}"
display_number="${display_number%%.*}"
export TIVORA_E2E_DISPLAY=":$((display_number + 50))"
DISPLAY="$TIVORA_E2E_DISPLAY" bash -c 'source scripts/xvfb.sh'
export TIVORA_E2E_PREFIX="$TIVORA_BUILD/wineprefix-e2e"
export WINEPREFIX="$TIVORA_BUILD/wineprefix"
bash scripts/prepare-prefix.sh "$WINEPREFIX" test &
DISPLAY="$TIVORA_E2E_DISPLAY" bash scripts/prepare-prefix.sh "$TIVORA_E2E_PREFIX" test &
wait
# One persistent wineserver per prefix for the whole run: each test then
# starts in a fraction of a second instead of about three.
"$WINESERVER" -p >/dev/null 2>&1 || true
WINEPREFIX="$TIVORA_E2E_PREFIX" "$WINESERVER" -p >/dev/null 2>&1 || true
stop_servers() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  WINEPREFIX="$TIVORA_E2E_PREFIX" "$WINESERVER" -k >/dev/null 2>&1 || true
}
trap stop_servers EXIT

# One ctest over the three build trees, so the run ends in one summary.
printf 'subdirs("host" "win")\n' > "$TIVORA_BUILD/CTestTestfile.cmake"
ctest --test-dir "$TIVORA_BUILD" --output-on-failure -j2 "$@"
