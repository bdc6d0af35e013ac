#!/usr/bin/env bash
# Makes (or updates) a Wine prefix for the clock: Japanese and Latin fonts
# stand in for the Windows faces the clock asks for. The prefix is made
# under the locale of wine-env.sh (TIVORA_LOCALE, Japanese by default). With "test", windows
# are also left unmanaged: without a window manager each close would
# otherwise stall for two seconds.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
export WINEPREFIX="$1"
mode="${2:-}"
export DISPLAY="${DISPLAY:-:99}"

# Wine is chatty on stderr even when all goes well: what it said goes to a
# file, shown only when a step fails. A file, not a pipe: the services that
# Wine starts keep its output open long after the command has returned.
said="$(mktemp)"
trap 'rm -f "$said"' EXIT
# A command that meets the prefix's server as it ends (it lingers a moment
# after its last client) can fail without a word: it is tried once more.
wine_quietly() {
  "$TIVORA_WINE" "$@" >"$said" 2>&1 && return 0
  sleep 1
  "$TIVORA_WINE" "$@" >"$said" 2>&1 && return 0
  cat "$said" >&2
  echo "prepare-prefix.sh: wine $* failed in $WINEPREFIX" >&2
  return 1
}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$TIVORA_WINE" wineboot -i >"$said" 2>&1 || true
  # The registry files appear only when the server writes them out; the
  # system folder is there as soon as wineboot has made the prefix.
  if [ ! -d "$WINEPREFIX/drive_c/windows/system32" ]; then
    cat "$said" >&2
    echo "prepare-prefix.sh: wineboot made no prefix in $WINEPREFIX" >&2
    exit 1
  fi
fi
reg() { wine_quietly reg "$@"; }
key='HKCU\Software\Wine\Fonts\Replacements'
reg add "$key" /v "ＭＳ Ｐゴシック" /d IPAPGothic /f
reg add "$key" /v "ＭＳ ゴシック" /d IPAGothic /f
reg add "$key" /v "MS PGothic" /d IPAPGothic /f
reg add "$key" /v "MS Gothic" /d IPAGothic /f
reg add "$key" /v "Arial" /d "Liberation Sans" /f
# Windows links its Japanese faces behind its Latin ones, so that menus,
# message boxes and the clock's own Arial draw Japanese on every system
# ("午前" and "午後" on the 12-hour face). Wine looks a link up under the
# face that a name resolved to (Liberation Sans for Arial), and a link
# replaces its own fallback for that face, bold captions too: the faces of
# the user interface are linked with it, in every prefix.
link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "Liberation Sans" Tahoma "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
  reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic\0ipag.ttf,IPAGothic' /f
done
if [ "$mode" = test ]; then
  reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
fi
