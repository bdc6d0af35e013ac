#!/usr/bin/env bash
# Draws the README's pictures of the clock from the real program under an
# Xvfb of its own, into docs/pictures/: digital, with seconds, 12-hour, analog,
# round, transparent, over a picture, the menu, the timer dialog, an alarm
# notification, the menu on a Western system (code page 1252) with a
# Japanese UI language, and the menu and the timer dialog under an English
# one. The
# settings are written to the registry before each start, and TZ puts the
# clock at ten past ten.
#   bash scripts/make-pictures.sh
# It runs the shipped tivora.exe where 32-bit Wine runs natively, and the
# x86-64 build of the same sources elsewhere (as scripts/run.sh does).
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/wine-env.sh"
cd "$TIVORA_ROOT"
if [ "$TIVORA_WINE_ARCH" = i686 ]; then
  bash scripts/build.sh exe >/dev/null
  exe="$TIVORA_BUILD/release/tivora.exe"
else
  bash scripts/build.sh >/dev/null
  exe="$TIVORA_BUILD/win/tivora.exe"
fi
out="$TIVORA_ROOT/docs/pictures"
work="$TIVORA_BUILD/pictures"
mkdir -p "$out" "$work"

source scripts/own-display.sh
start_own_display
export TIVORA_E2E_DISPLAY="$DISPLAY"
export TIVORA_E2E_PREFIX="$TIVORA_BUILD/wineprefix-pictures"
set -- "$exe"
source tests/e2e/lib.sh
source tests/e2e/menu_lib.sh
backdrop=""
finish() {
  stop_clock
  [ -z "$backdrop" ] || kill "$backdrop" 2>/dev/null || true
  "$WINESERVER" -k >/dev/null 2>&1 || true
  stop_own_display
}
trap finish EXIT
bash scripts/prepare-prefix.sh "$WINEPREFIX" test
"$WINESERVER" -p >/dev/null 2>&1 || true

# A backdrop over the whole screen, so that the transparent and round
# clocks show what lies behind them; the clocks open above it.
convert -size 1024x768 gradient:'#2b5876-#4e4376' "$work/backdrop.png"
display -geometry +0+0 -borderwidth 0 "$work/backdrop.png" &
backdrop=$!
sleep 1
# The background picture: a sky over a meadow, as a 24-bit Windows bitmap.
convert -size 160x42 gradient:'#87ceeb-#e0f6ff' -size 160x18 gradient:'#7ccd7c-#2e8b57' \
  -append -type TrueColor BMP3:"$work/meadow.bmp"

# clock_with TIME NAME=VALUE...: a fresh registry with these DWORD settings
# (Bitmap=, Alarm1= and Msg1= as text), then the clock started at TIME.
clock_with() {
  local time="$1" kv group name
  shift
  stop_clock
  reset_registry
  for kv in "$@"; do
    name="${kv%%=*}"
    group=Settings
    case "$name" in
      OnTimer | On1 | Alarm1 | Msg1 | AlarmCount | OnAutoDelete | OnUseWave | Days1 | SnoozeMinutes | \
        OnChime | ChimeFrom | ChimeTo) group=Timer ;;
    esac
    case "$name" in
      Bitmap | Alarm1 | Msg1) reg_set_sz "$group" "$name" "${kv#*=}" ;;
      *) reg_set "$group" "$name" "${kv#*=}" ;;
    esac
  done
  TZ="$(tz_at "$time")" start_clock
  sleep 1
}

# snap NAME X Y W H: that part of the screen as docs/pictures/NAME.png.
snap() {
  import -window root -crop "${4}x$5+$2+$3" +repage -strip "$out/$1.png"
  echo "$out/$1.png"
}
# The clock with a margin of the backdrop around it.
snap_clock() {
  window_geometry
  snap "$1" $((WIN_X - 12)) $((WIN_Y - 12)) $((WIN_W + 24)) $((WIN_H + 24))
}

# Every clock takes the width it chooses itself: the digits' window holds
# the widest time that it can show. The analog clocks are stored taller, for
# a face of a size to look at.
clock_with 10:08:30
snap_clock digital
clock_with 10:08:30 OnSecond=1
snap_clock seconds
clock_with 15:05:30 OnHour12=1
snap_clock hour12
clock_with 10:08:30 OnAnalog=1 OnSecond=1 Height=130
snap_clock analog
clock_with 10:08:30 OnAnalog=1 OnSecond=1 OnTransparent=1 Height=130
snap_clock round
# The floating digits show what lies behind them under a compositing
# manager, as on Windows, which always composes.
xcompmgr >/dev/null 2>&1 &
compositor=$!
clock_with 10:08:30 OnTransparent=1 OnBorder=0
snap_clock transparent
kill "$compositor" 2>/dev/null || true
clock_with 10:08:30 OnBitmap=1 Bitmap="Z:${work//\//\\}\\meadow.bmp" Height=60
snap_clock picture

# The menu, opened with the right button near the clock's lower right
# corner, so that it leaves the digits free.
snap_menu() {
  clock_with 10:08:30 OnSecond=1
  window_geometry
  open_menu $((WIN_X + WIN_W - 6)) $((WIN_Y + WIN_H - 6))
  sleep 1
  menu_size "$(screenshot "picture_$1")"
  window_geometry
  snap "$1" $((WIN_X - 12)) $((WIN_Y - 12)) $((MENU_X - WIN_X + MENU_W + 24)) \
    $((MENU_Y - WIN_Y + MENU_H + 24))
}
snap_menu menu
xdotool key Escape

# snap_timer NAME TITLE MESSAGE: the timer dialog with an alarm set for the
# working days, a snooze of 10 minutes, and the hourly chime from 7 to 22.
snap_timer() {
  clock_with 10:08:30 OnTimer=1 On1=1 Alarm1=07:30 Msg1="$3" AlarmCount=3 Days1=62 SnoozeMinutes=10 \
    OnChime=1 ChimeFrom=7 ChimeTo=22
  choose r
  dialog="$(wait_window "$2")"
  [ -n "$dialog" ] || fail "the timer dialog '$2' did not open"
  sleep 1
  window_geometry "$dialog"
  snap "$1" "$WIN_X" "$WIN_Y" "$WIN_W" "$WIN_H"
  xdotool key Escape
}
snap_timer timer 'ﾀｲﾏの設定' 起きる時間

# The alarm of 10:09, five seconds after the start.
clock_with 10:08:55 OnTimer=1 On1=1 Alarm1=10:09 Msg1="会議の時間です" AlarmCount=1 OnAutoDelete=0 \
  OnUseWave=0
notice="$(await_window 200 --onlyvisible --name '^Tivora$')"
[ -n "$notice" ] || fail "no alarm notification by 10:09:15"
sleep 1
window_geometry "$notice"
snap alarm "$WIN_X" "$WIN_Y" "$WIN_W" "$WIN_H"
stop_clock

# The same menu on a Western system (code page 1252), in a prefix made under
# en_US.UTF-8, with a Japanese UI language: the same Japanese items.
"$WINESERVER" -k >/dev/null 2>&1 || true
unset LC_ALL
export TIVORA_LOCALE=en_US.UTF-8 LANG=en_US.UTF-8 TIVORA_UI_LOCALE=ja_JP.UTF-8 LC_MESSAGES=ja_JP.UTF-8
export WINEPREFIX="$TIVORA_BUILD/wineprefix-pictures-western"
bash scripts/prepare-prefix.sh "$WINEPREFIX" test
"$WINESERVER" -p >/dev/null 2>&1 || true
snap_menu menu-western
xdotool key Escape
stop_clock

# The menu and the timer dialog under an English UI language.
export LC_ALL=en_US.UTF-8
snap_menu menu-english
xdotool key Escape
snap_timer timer-english 'Timer Settings' 'Wake up'
stop_clock
ls -l "$out"
