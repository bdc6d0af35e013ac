#!/usr/bin/env bash
# The background picture: stored in the settings it shows stretched behind
# the analog hands; chosen through the menu's file dialog it is shown behind
# the digits and stored; a damaged file shows the error box and the clock
# keeps running: without a picture at start, with the picture it showed when
# chosen from the menu, whose path stays stored.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"

pics="$TIVORA_BUILD/e2e-bitmap"
mkdir -p "$pics"
# 120 x 60, 24 bits: red, green / blue, yellow quarters.
convert -size 60x30 xc:'#ff0000' -size 60x30 xc:'#00ff00' +append \
  \( -size 60x30 xc:'#0000ff' -size 60x30 xc:'#ffff00' +append \) -append \
  -type TrueColor BMP3:"$pics/quarters.bmp"
# The same file with its pixel offset (bfOffBits) far past its end.
cp "$pics/quarters.bmp" "$pics/damaged.bmp"
printf '\x00\x00\x01\x00' | dd of="$pics/damaged.bmp" bs=1 seek=10 conv=notrunc 2>/dev/null
winpath() { local p="${1//\//\\}"; echo "Z:$p"; }
GOOD="$(winpath "$pics/quarters.bmp")"
DAMAGED="$(winpath "$pics/damaged.bmp")"
MAGENTA=0x00FF00FF  # the digits' colour, found in no quarter

# The settings of a 300 x 200 clock at (100, 100) with magenta digits.
base_settings() {
  reset_registry
  reg_set Settings Left 100
  reg_set Settings Top 100
  reg_set Settings Width "${1:-300}"
  reg_set Settings Height "${2:-200}"
  reg_set Settings FontColor $MAGENTA
  reg_set Settings OnSecond 1
}

# Number of pixels of colour rrggbb in the screen rectangle X Y W H.
count_colour() {
  import -window root -crop "$3x$4+$1+$2" -depth 8 txt:- | grep -ci "#$5" || true
}

# The four quarters of the picture at the corners of the window, inset so
# that the border and the centred digits or hands are avoided.
expect_quarters() {
  eventually quarters_shown ||
    fail "$1: corners show $CORNERS, not the picture's quarters (screenshot $(screenshot "$1"))"
  screenshot "$1" >/dev/null
}
quarters_shown() {
  window_geometry
  local l=$((WIN_X + WIN_W * 15 / 100)) r=$((WIN_X + WIN_W * 85 / 100))
  local t=$((WIN_Y + WIN_H * 18 / 100)) b=$((WIN_Y + WIN_H * 82 / 100))
  CORNERS="$(pixel $l $t) $(pixel $r $t) $(pixel $l $b) $(pixel $r $b)"
  [ "$CORNERS" = "ff0000 00ff00 0000ff ffff00" ]
}

expect_no_picture() {
  window_geometry
  local got="$(pixel $((WIN_X + WIN_W * 15 / 100)) $((WIN_Y + WIN_H * 18 / 100)))"
  [ -n "$got" ] || fail "$1: the screen could not be read"
  [ "$got" != ff0000 ] || fail "$1: the picture is still shown (screenshot $(screenshot "$1"))"
  screenshot "$1" >/dev/null
}

# Pixels of colour rrggbb in the middle third of the window.
count_in_middle() {
  window_geometry
  count_colour $((WIN_X + WIN_W / 3)) $((WIN_Y + WIN_H / 3)) $((WIN_W / 3)) $((WIN_H / 3)) "$1"
}

# The seconds change: the middle of the window differs a moment later.
expect_ticking() {
  window_geometry
  local area="$((WIN_W / 2))x$((WIN_H / 2))+$((WIN_X + WIN_W / 4))+$((WIN_Y + WIN_H / 4))"
  local before
  before="$(import -window root -crop "$area" -depth 8 rgb:- | md5sum)"
  for _ in $(seq 8); do
    sleep 0.5
    kill -0 "$CLOCK_PID" 2>/dev/null || fail "$1: the clock ended"
    [ "$(import -window root -crop "$area" -depth 8 rgb:- | md5sum)" != "$before" ] && return 0
  done
  fail "$1: the clock stopped ticking (screenshot $(screenshot "$1"))"
}

# Waits for the "エラー" box, then closes it with its OK button.
dismiss_error_box() {
  local box
  box="$(await_window 50 --onlyvisible --name '^エラー$')"
  [ -n "$box" ] || fail "$1: no error box (screenshot $(screenshot "$1"))"
  screenshot "$1" >/dev/null
  xdotool key Return
  for _ in $(seq 30); do
    xdotool search --onlyvisible --name '^エラー$' >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "$1: the error box did not close"
}

# "背景絵(&K)..." and a path typed into the file dialog; waits until the
# dialog has gone.
choose_picture() {
  choose k
  local dialog
  dialog="$(await_window 50 --onlyvisible --name '^ファイルの選択$')"
  [ -n "$dialog" ] || fail "no file dialog after 背景絵(&K)... (screenshot $(screenshot no-dialog))"
  xdotool type --delay 20 "$1"
  sleep 0.2  # Return after the typed path is in the field: nothing shows it is
  xdotool key Return
  eventually not_shown "$dialog" || fail "the file dialog did not close"
}

# --- Stored in the settings: behind the hands.
base_settings 240 240
reg_set Settings OnAnalog 1
reg_set Settings OnBitmap 1
reg_set_sz Settings Bitmap "$GOOD"
start_clock
expect_quarters analog-picture
hands=$(( $(count_in_middle 0000c0) + $(count_in_middle 000080) ))
[ "$hands" -gt 20 ] ||
  fail "no hands over the picture ($hands pixels; screenshot $(screenshot analog-hands))"
stop_clock
pass "the picture replaces the analog disc and marks behind the hands"

# --- A damaged file at start-up: the box, then a clock without a picture.
base_settings
reg_set Settings OnBitmap 1
reg_set_sz Settings Bitmap "$DAMAGED"
launch_clock
dismiss_error_box startup-error-box
await_clock 50 --onlyvisible --name '^Tivora'
expect_no_picture startup-damaged
expect_ticking startup-damaged
stop_clock
pass "a damaged stored picture shows the エラー box and the clock runs on without it"

# --- Through the menu: switch the picture on and choose it.
base_settings
start_clock
choose p
eventually dword_is Settings OnBitmap 1 || fail "背景に絵を使用(&P) did not store OnBitmap"
choose_picture "$GOOD"
eventually text_is Settings Bitmap "$GOOD" || fail "Bitmap holds '$(reg_get Settings Bitmap)'"
expect_quarters menu-chosen
digits="$(count_in_middle ff00ff)"
[ "$digits" -gt 20 ] || fail "no digits over the picture ($digits magenta pixels)"
pass "背景に絵を使用(&P) and 背景絵(&K)... show the chosen picture behind the digits and store its path"

choose_picture "$DAMAGED"
dismiss_error_box menu-error-box
expect_quarters menu-damaged
expect_ticking menu-damaged
text_is Settings Bitmap "$GOOD" || fail "the damaged file was stored: Bitmap holds '$(reg_get Settings Bitmap)'"
stop_clock
pass "a damaged file chosen from the menu is not stored and the picture shown stays; the clock runs on"
