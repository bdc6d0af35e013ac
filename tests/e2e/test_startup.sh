#!/usr/bin/env bash
# Start-up with an empty registry, with stored styles, with a clamped
# placement, and the placement saved at exit only when the window moved.
source "$(dirname "$0")/lib.sh"

reset_registry
start_clock
window_geometry
[ "$WIN_X,$WIN_Y,$WIN_W,$WIN_H" = "100,100,116,45" ] ||
  fail "default placement is $WIN_X,$WIN_Y ${WIN_W}x$WIN_H"
case "$(window_title)" in "Tivora - "*年*月*日*) ;; *) fail "title '$(window_title)'" ;; esac
stop_clock
[ -z "$(reg_get Settings Left)" ] || fail "closing an unmoved clock wrote its placement"
pass "defaults: (100,100) 116x45, date title, nothing saved"

reset_registry
reg_set Settings Left 2000
reg_set Settings Top 0xffffffce
reg_set Settings Width 5
start_clock
window_geometry
[ "$WIN_X,$WIN_Y,$WIN_W" = "1008,0,16" ] || fail "clamped placement is $WIN_X,$WIN_Y ${WIN_W}"
stop_clock
eventually dword_is Settings Left 2000 || fail "the clamped but unmoved clock rewrote Left"
pass "stored 2000/-50/5 opens clamped at 1008,0 16 wide and is not rewritten"

reset_registry
start_clock
drag 200 100
stop_clock
eventually dword_is Settings Left 300 || fail "Left after a move: $(reg_get Settings Left)"
eventually dword_is Settings Top 200 || fail "Top after a move: $(reg_get Settings Top)"
eventually dword_is Settings Width 116 || fail "Width after a move"
eventually dword_is Settings Height 45 || fail "Height after a move"
pass "a moved clock saves Left, Top, Width, Height at exit"

# Stored switches give the window its style words (ignoring the
# WS_CLIPSIBLINGS that the system adds), and the clock never takes the focus.
styles_for() {  # stored "Name=value ..." -> "style exstyle"
  reset_registry
  local kv
  for kv in "$@"; do reg_set Settings "${kv%%=*}" "${kv#*=}"; done
  start_clock
  local s; s="$(probe styles)"
  local style=$(( $(sed -E 's/style=(0x[0-9a-f]+).*/\1/' <<<"$s") & 0xFBFFFFFF ))
  local ex=$(( $(sed -E 's/.*exstyle=(0x[0-9a-f]+).*/\1/' <<<"$s") ))
  [ "$(probe active)" = 0 ] || fail "the clock took the focus at start ($*)"
  stop_clock
  printf '0x%08x 0x%08x\n' "$style" "$ex"
}
check_style() {  # expected-style exstyle-bits-set exstyle-bits-clear -- settings
  local want="$1" set="$2" clear="$3"; shift 4
  local got; got="$(styles_for "$@")"
  local style="${got% *}" ex="${got#* }"
  [ "$style" = "$want" ] || fail "style $style, wanted $want for $*"
  (( (ex & set) == set )) || fail "exstyle $ex lacks $set for $*"
  (( (ex & clear) == 0 )) || fail "exstyle $ex has $clear for $*"
}
check_style 0x90040000 0x80 0x80028 -- OnBorder=1
check_style 0x90000000 0x80 0x80028 -- OnBorder=0
check_style 0x90cc0000 0x80 0x80028 -- OnCaption=1
check_style 0x90c80000 0x80 0x80028 -- OnCaption=1 OnBorder=0
check_style 0x90040000 0x88 0x80020 -- OnTop=1
# Transparent digital: a layered window (per-pixel alpha) at the bottom, which
# ends a stored topmost state; never click-through.
check_style 0x90040000 0x80080 0x28 -- OnTransparent=1 OnTop=1
# Transparent analog without caption: round instead, no layered style.
check_style 0x90040000 0x80 0x80028 -- OnTransparent=1 OnAnalog=1
pass "stored caption, border, top and transparent give their style words; never activated"

# The end of a session that goes on after all (FALSE) leaves the clock
# open; a real end (TRUE) closes it and saves a moved placement.
reset_registry
start_clock
drag 40 20
probe endsession 0
sleep 1  # the clock must stay and save nothing: no effect to wait for
kill -0 "$CLOCK_PID" 2>/dev/null || fail "WM_ENDSESSION FALSE closed the clock"
[ -z "$(reg_get Settings Left)" ] || fail "WM_ENDSESSION FALSE saved the placement"
probe endsession 1
wait_for_exit || fail "WM_ENDSESSION TRUE left the clock running"
eventually dword_is Settings Left 140 || fail "Left after the session ended: $(reg_get Settings Left)"
pass "the session's end closes and saves only when it really ends"
