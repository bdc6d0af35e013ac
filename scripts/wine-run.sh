#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's settings. Without a
# WINEPREFIX it uses the tests' throwaway prefix in the build folder.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
export WINEPREFIX="${WINEPREFIX:-$TIVORA_BUILD/wineprefix}"
export DISPLAY="${DISPLAY:-:99}"
exec "$TIVORA_WINE" "$@"
