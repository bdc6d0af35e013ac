#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test tier
# (host, win, e2e) with one ctest run.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
bash "$here/install-deps.sh"
source "$here/wine-env.sh"
tivora_shadow_path_wine
cd "$TIVORA_ROOT"
bash scripts/build.sh

# The win tests and the e2e tests each get a Wine prefix and an X display
# of their own, so that the two tiers can run side by side.
source scripts/xvfb.sh
display_number="${DISPLAY#:}"
display_number="${display_number%%.*}"
export TIVORA_E2E_DISPLAY=":$((display_number + 50))"
DISPLAY="$TIVORA_E2E_DISPLAY" source scripts/xvfb.sh

# Whatever this run started is stopped when it ends, however it ends.
export TIVORA_E2E_PREFIX="$TIVORA_BUILD/wineprefix-e2e"
export WINEPREFIX="$TIVORA_BUILD/wineprefix"
stop_servers() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  WINEPREFIX="$TIVORA_E2E_PREFIX" "$WINESERVER" -k >/dev/null 2>&1 || true
  stop_started_displays
}
trap stop_servers EXIT

# Both prefixes are made side by side. Only these two jobs are waited for:
# a display started above is a child of this shell too and never ends.
bash scripts/prepare-prefix.sh "$WINEPREFIX" test &
prepare_tests=$!
DISPLAY="$TIVORA_E2E_DISPLAY" bash scripts/prepare-prefix.sh "$TIVORA_E2E_PREFIX" test &
prepare_e2e=$!
# Each job is waited for on its own: `wait a b` gives only b's status.
prefixes_made=true
wait "$prepare_tests" || prefixes_made=false
wait "$prepare_e2e" || prefixes_made=false
$prefixes_made || { echo "test.sh: a Wine prefix could not be made (see above)" >&2; exit 1; }
# One persistent wineserver per prefix for the whole run: each test then
# starts in a fraction of a second instead of about three.
"$WINESERVER" -p >/dev/null 2>&1 || true
WINEPREFIX="$TIVORA_E2E_PREFIX" "$WINESERVER" -p >/dev/null 2>&1 || true
# The first Wine program under a server starts the prefix's services, which
# keep that program's output open for as long as the server runs. Started
# here with their output thrown away, they cannot hold a test's pipe and make
# ctest wait for them after the test has ended.
"$TIVORA_WINE" reg query 'HKCU\Software' >/dev/null 2>&1 || true
WINEPREFIX="$TIVORA_E2E_PREFIX" "$TIVORA_WINE" reg query 'HKCU\Software' >/dev/null 2>&1 || true

# One ctest over the three build trees, so the run ends in one summary.
printf 'subdirs("host" "win")\n' > "$TIVORA_BUILD/CTestTestfile.cmake"
ctest --test-dir "$TIVORA_BUILD" --output-on-failure -j2 "$@"
