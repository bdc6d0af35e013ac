#!/usr/bin/env bash
# Makes (or updates) a Wine prefix for the clock: Japanese and Latin fonts
# stand in for the Windows faces the clock asks for. With "test", windows
# are also left unmanaged: without a window manager each close would
# otherwise stall for two seconds.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
export WINEPREFIX="$1"
mode="${2:-}"
export DISPLAY="${DISPLAY:-:99}"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$TIVORA_WINE" wineboot -i >/dev/null 2>&1 || true
fi
reg() { "$TIVORA_WINE" reg "$@" >/dev/null 2>&1; }
key='HKCU\Software\Wine\Fonts\Replacements'
reg add "$key" /v "ＭＳ Ｐゴシック" /d IPAPGothic /f
reg add "$key" /v "ＭＳ ゴシック" /d IPAGothic /f
reg add "$key" /v "MS PGothic" /d IPAPGothic /f
reg add "$key" /v "MS Gothic" /d IPAGothic /f
reg add "$key" /v "Arial" /d "Liberation Sans" /f
if [ "$mode" = test ]; then
  reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
fi
