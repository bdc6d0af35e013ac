#!/usr/bin/env bash
# Start-up on a desk with two monitors: the primary one (1024 x 768 at the
# origin) and one of 800 x 600 left of it (x from -800 to 0). A clock stored
# on the left monitor stays there; one stored across both goes to the monitor
# it overlaps most; one whose place no monitor shows any more comes onto the
# nearest. Xvfb offers no such desk (its Xinerama puts every screen at 0,0),
# so this test runs its own X server with the dummy video driver, and a Wine
# prefix of its own: one Wine server serves one X display.
source "$(dirname "$0")/lib.sh"

own_desk 100 monitors
XORG_LOG="$TIVORA_BUILD/two-monitors-xorg.log"
start_desk Xorg "$DISPLAY" -config "$TIVORA_ROOT/tests/e2e/tools/two-monitors.conf" -noreset \
  -nolisten tcp -logfile "$XORG_LOG"
xrandr --addmode DUMMY1 1024x768
xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0 --primary
[ "$(xrandr --listmonitors | head -1)" = "Monitors: 2" ] || fail "the X server shows no two monitors"
bash "$TIVORA_ROOT/scripts/prepare-prefix.sh" "$WINEPREFIX" test

# opens_at "Left Top" "expected Left Top": the clock stored 116 x 45 at the
# first place opens at the second (Windows' screen coordinates).
opens_at() {
  reset_registry
  reg_set Settings Left "$(printf '0x%08x' $(( ${1% *} & 0xffffffff )))"
  reg_set Settings Top "$(printf '0x%08x' $(( ${1#* } & 0xffffffff )))"
  start_clock
  local got; got="$(probe rect)"
  stop_clock
  [ "$got" = "$2 116 45" ] || fail "stored at $1, the clock opened at ${got% * *}, not $2"
}

opens_at "-600 100" "-600 100"
pass "a clock stored on the monitor left of the primary one stays there"
opens_at "-30 100" "0 100"
opens_at "-90 100" "-116 100"
pass "a clock stored across both monitors goes to the one it overlaps most"
opens_at "-1500 700" "-800 555"
opens_at "1100 500" "908 500"
pass "a clock stored where no monitor is any more comes onto the nearest"
