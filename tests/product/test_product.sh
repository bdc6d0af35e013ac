#!/usr/bin/env bash
# The shipped tivora.exe itself (i686, static, stripped), not the test
# build: it starts and shows its digits, the right button opens the menu,
# the tooltip switch (comctl32, loaded on first use) is written at once and
# shows the date, and a moved clock closed with WM_CLOSE saves where it was.
# 32-bit Wine runs natively where the kernel allows it, and through
# qemu-i386 (scripts/with-qemu-i386.sh) elsewhere; TIVORA_PRODUCT_EMULATE=1
# asks for the emulator even where the kernel would do.
#   bash tests/product/test_product.sh build/release/tivora.exe build/win/tivora_probe.exe
set -euo pipefail
TIVORA_ROOT="${TIVORA_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}"
export TIVORA_ROOT
source "$TIVORA_ROOT/scripts/wine-env.sh"
started=$SECONDS

if [ -z "${TIVORA_PRODUCT_EMULATE:-}" ] && tivora_runs_i386; then
  how=native
  run32=(/usr/lib/wine/wine)
elif command -v qemu-i386 >/dev/null; then
  how=qemu-i386
  run32=(bash "$TIVORA_ROOT/scripts/with-qemu-i386.sh" /usr/lib/wine/wine)
else
  echo "FAIL: this kernel runs no 32-bit programs and qemu-i386 is missing" \
    "(Debian package qemu-user): the shipped tivora.exe can not be started" >&2
  exit 1
fi
wow64=/usr/lib/i386-linux-gnu/wine/i386-windows
[ -d "$wow64" ] || { echo "FAIL: no 32-bit Wine DLLs in $wow64 (package wine32:i386)" >&2; exit 1; }

# A 64-bit prefix of its own whose syswow64 holds Wine's 32-bit DLLs: the
# 64-bit wineboot makes it without running any 32-bit program, which under
# the emulator would take minutes. The 32-bit loader shares the 64-bit
# wineserver; the registry is read by 64-bit programs, never emulated.
# The probe (tests/probe) is built for the other tiers' architecture and
# runs with their loader.
probe_loader="$TIVORA_WINE"
export TIVORA_WINE=/usr/lib/wine/wine64 TIVORA_WINE_ARCH=x86_64
export WINESERVER=/usr/lib/wine/wineserver64
unset WINELOADER
export TIVORA_E2E_PREFIX="$TIVORA_BUILD/wineprefix-product"

# An X display of its own, on the first free number.
source "$TIVORA_ROOT/scripts/own-display.sh"
start_own_display || { echo "FAIL: no X display" >&2; exit 1; }
export TIVORA_E2E_DISPLAY="$DISPLAY"

source "$TIVORA_ROOT/tests/e2e/lib.sh"
source "$TIVORA_ROOT/tests/e2e/menu_lib.sh"
probe() { "$probe_loader" "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# Whatever happens, the clock, the prefix's wineserver and the display end
# with the test. A watchdog ends a stuck run before ctest would kill it
# without a chance to clean up.
watchdog=""
clean_up() {
  [ -z "$watchdog" ] || kill "$watchdog" 2>/dev/null || true
  stop_clock
  "$WINESERVER" -k >/dev/null 2>&1 || true
  stop_own_display
}
trap clean_up EXIT
trap 'echo "FAIL: out of time after $((SECONDS - started)) s" >&2; exit 143' TERM
(
  trap 'kill "$nap" 2>/dev/null; exit 0' TERM
  sleep "${TIVORA_PRODUCT_LIMIT:-270}" & nap=$!
  wait "$nap"
  kill -TERM $$
) >/dev/null 2>&1 &
watchdog=$!

bash "$TIVORA_ROOT/scripts/prepare-prefix.sh" "$WINEPREFIX" test
"$WINESERVER" -p >/dev/null 2>&1 || true
syswow64="$WINEPREFIX/drive_c/windows/syswow64"
cp -n "$wow64"/* "$syswow64/" 2>/dev/null || true
[ -f "$syswow64/user32.dll" ] || fail "the prefix has no 32-bit user32.dll in $syswow64"
# A crash ends the program instead of waiting in Wine's crash dialog.
reg_add 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0
reset_registry
echo "prefix ready after $((SECONDS - started)) s; the clock runs $how"

# patiently CMD...: as eventually, but for about 30 s: under the emulator
# a click can take seconds to show.
patiently() {
  for _ in 1 2 3 4 5 6; do eventually "$@" && return 0; done
  return 1
}

# The clock's own start, through the 32-bit loader. Under the emulator its
# window takes about a minute to appear.
"${run32[@]}" "$EXE" >/dev/null 2>&1 &
CLOCK_PID=$!
CLOCK_WIN="$(await_window 1800 --name '^Tivora')"
[ -n "$CLOCK_WIN" ] || fail "the shipped clock's window did not appear within 3 minutes ($how)"
red_digits() {
  window_geometry
  local shot; shot="$(screenshot product_start)"
  (( $(count_colour "$shot" "${WIN_W}x$WIN_H+$WIN_X+$WIN_Y" ff0000) > 40 ))
}
patiently red_digits || fail "no red digits in the clock at $WIN_X,$WIN_Y ${WIN_W}x$WIN_H"
[ "$WIN_X,$WIN_Y,$WIN_W,$WIN_H" = "100,100,116,45" ] ||
  fail "the clock opened at $WIN_X,$WIN_Y ${WIN_W}x$WIN_H"
pass "the shipped exe shows its red digits at (100,100) 116x45 after $((SECONDS - started)) s"

# The menu: a white block of seventeen rows at the click.
menu_drawn() {
  menu_size "$(screenshot product_menu)"
  (( ${MENU_W:-0} > 100 && ${MENU_H:-0} > 200 ))
}
open_menu
patiently menu_drawn || fail "the right click opened no menu (${MENU_W:-0}x${MENU_H:-0})"
xdotool key o
patiently dword_is Settings OnToolTip 1 || fail "OnToolTip after ﾂｰﾙﾁｯﾌﾟ表示(&O): '$(reg_get Settings OnToolTip)'"
pass "the menu opened (${MENU_W}x$MENU_H) and ﾂｰﾙﾁｯﾌﾟ表示(&O) wrote OnToolTip=1"

# The date tooltip: white below the clock once the pointer rests on it.
tooltip_shown() {
  window_geometry
  xdotool mousemove 700 600; sleep 0.3
  xdotool mousemove $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H / 2)); sleep 0.1
  xdotool mousemove $((WIN_X + WIN_W / 2 + 1)) $((WIN_Y + WIN_H / 2)); sleep 2
  local shot; shot="$(screenshot product_tooltip)"
  (( $(count_colour "$shot" "300x40+$((WIN_X - 50))+$((WIN_Y + WIN_H))" ffffff) > 400 ))
}
running() { kill -0 "$CLOCK_PID" 2>/dev/null; }
for _ in $(seq 8); do running && tooltip_shown && break; done ||
  fail "no date tooltip under the resting pointer$(running || echo ": the clock ended")"
pass "the date tooltip shows under the resting pointer"

# Moved by dragging, then closed the way its window closes.
at_place() { window_geometry; [ "$WIN_X,$WIN_Y" = "$1" ]; }
drag 150 80
patiently at_place 250,180 || fail "the dragged clock is at $WIN_X,$WIN_Y, not 250,180"
# Wine's taskkill does not find a process that runs under the emulator; the
# probe posts WM_CLOSE to the clock's window.
probe close
ended() { ! running; }
patiently ended || fail "WM_CLOSE did not end the clock"
CLOCK_PID=""
for kv in Left=250 Top=180 Width=116 Height=45; do
  eventually dword_is Settings "${kv%=*}" "${kv#*=}" ||
    fail "${kv%=*} after the move: '$(reg_get Settings "${kv%=*}")'"
done
pass "moved to (250,180) and closed with WM_CLOSE, it saved Left, Top, Width and Height"
echo "the shipped exe passed in $((SECONDS - started)) s ($how)"
