#!/usr/bin/env bash
# Builds tivora.exe and starts it under Wine in the user's own prefix, so
# the clock's settings survive a rebuild.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
bash "$here/install-deps.sh"
source "$here/wine-env.sh"
cd "$TIVORA_ROOT"
bash scripts/build.sh exe
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
if [ -z "${DISPLAY:-}" ]; then source scripts/xvfb.sh; fi
bash scripts/prepare-prefix.sh "$WINEPREFIX"
exe="$TIVORA_BUILD/release/tivora.exe"
if [ "$TIVORA_WINE_ARCH" != i686 ]; then
  # Where 32-bit Wine does not run, start the x86-64 build of the same sources.
  bash scripts/build.sh >/dev/null
  exe="$TIVORA_BUILD/win/tivora.exe"
fi
exec "$TIVORA_WINE" "$exe"
