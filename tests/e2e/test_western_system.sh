#!/usr/bin/env bash
# The clock on a Western system: a prefix made under en_US.UTF-8 (ANSI code
# page 1252), with the Japanese faces standing in for the ones Windows ships
# and linked behind the system's own font, as Windows links them. With a
# Japanese UI language (LC_MESSAGES) the Japanese texts read right there:
# the digits show the time, the title its date, the error of a missing
# picture, the timer dialog's labels, a stored Japanese message in the
# dialog and in the notification; and a picture is loaded from a folder
# named in Cyrillic. Then, with an English UI language (LC_ALL), the menu,
# the title, the timer dialog and a notification read in English. It runs
# on an X display and a Wine prefix of its own: one Wine server serves one
# X display.
export TIVORA_LOCALE=en_US.UTF-8 TIVORA_UI_LOCALE=ja_JP.UTF-8
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/faces_lib.sh"
source "$(dirname "$0")/menu_lib.sh"

own_desk 150 western
xdpyinfo >/dev/null 2>&1 || start_desk Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp
# Made under en_US.UTF-8, with the Japanese faces linked behind the
# system's fonts.
bash "$TIVORA_ROOT/scripts/prepare-prefix.sh" "$WINEPREFIX" test
acp="$(wine_cmd reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2>/dev/null |
  tr -d '\r' | awk '$1 == "ACP" { print $3 }')"
[ "$acp" = 1252 ] || fail "the prefix's ANSI code page is '$acp', not 1252"
pass "the prefix's ANSI code page is 1252"

# --- the digits and the title --------------------------------------------------

WEEKDAYS=(日 月 火 水 木 金 土)
title_for() {
  echo "Tivora - $(TZ="$1" date -d "@$2" +'%Y年%-m月%-d日')(${WEEKDAYS[$(TZ="$1" date -d "@$2" +%w)]})"
}

reset_registry
ZONE=XXX-09:00:00
TZ=$ZONE start_clock
client_area
eventually shows_time_now western-digits '%-H:%M' "$ZONE" ||
  fail "the face does not show the time (screenshot $SHOTS/western-digits.png)"
pass "the digits show the time"
now=$(date +%s)
title="$(window_title)"
[ "$title" = "$(title_for $ZONE "$now")" ] || [ "$title" = "$(title_for $ZONE $((now - 2)))" ] ||
  fail "title '$title', wanted '$(title_for $ZONE "$now")'"
pass "the title is '$title'"
stop_clock

# --- the error of a missing picture ---------------------------------------------

reset_registry
reg_set Settings OnBitmap 1
reg_set_sz Settings Bitmap 'C:\nowhere\missing.bmp'
launch_clock
box="$(await_window 100 --onlyvisible --name '^エラー$')"
[ -n "$box" ] || fail "no message box 'エラー' (screenshot $(screenshot western-no-error))"
texts="$(probe popup)"
grep -qx 'ファイルを開くのに失敗しました' <<<"$texts" ||
  fail "the error reads '$texts'"
grep -qxF ' C:\nowhere\missing.bmp' <<<"$texts" || fail "the error names no path: '$texts'"
screenshot western-missing-picture >/dev/null

stop_clock
pass "the error of a missing picture reads 'エラー' / 'ファイルを開くのに失敗しました'"

# --- the timer dialog and a Japanese message --------------------------------------

MESSAGE='会議の時間です'
reset_registry
reg_set_sz Timer Msg1 "$MESSAGE"
start_clock
probe command 2008
dialog="$(await_window 100 --onlyvisible --name '^ﾀｲﾏの設定$')"
[ -n "$dialog" ] || fail "the timer dialog did not open (screenshot $(screenshot western-no-timer))"
texts="$(probe popup)"
for label in 'ﾀｲﾏの実行' 有効 無効 'ｱﾗｰﾑ時刻' 'ｱﾗｰﾑ ﾒｯｾｰｼﾞ' 'ｱﾗｰﾑ回数：' 'ｷｬﾝｾﾙ' \
  'ｱﾗｰﾑ終了時にﾒｯｾｰｼﾞﾎﾞｯｸｽを消す' 'wavｻｳﾝﾄﾞを使用' 'wavﾌｧｲﾙ：' "$MESSAGE"; do
  grep -qxF "$label" <<<"$texts" || fail "the timer dialog shows no '$label': $(tr '\n' '|' <<<"$texts")"
done
screenshot western-timer-dialog "$dialog" >/dev/null

stop_clock
pass "the timer dialog shows its labels and the stored message '$MESSAGE'"

# --- the notification ---------------------------------------------------------------

reset_registry
reg_set Settings Left 454
reg_set Settings Top 362
reg_set Timer OnTimer 1
reg_set Timer On1 1
reg_set_sz Timer Alarm1 07:30
reg_set_sz Timer Msg1 "$MESSAGE"
reg_set Timer AlarmCount 60
reg_set Timer OnAutoDelete 0
ZONE="$(tz_at 07:29:57)"
TZ=$ZONE start_clock
notice="$(await_window 150 --onlyvisible --name '^Tivora$')"
[ -n "$notice" ] || fail "no notification (screenshot $(screenshot western-no-notice))"
sleep 0.5
window_geometry "$notice"
shot="$(screenshot western-notification "$notice")"
load_pixels "$shot"
# The message's red letters in the lower two thirds, the time's above: the
# message is drawn, in more than a few question marks' worth of pixels.
message_red="$(awk -v top=$((WIN_H / 2)) '$2 == "ff0000" { split($1, p, ","); if (p[2] > top) n++ }
  END { print n + 0 }' "$PIXELS")"
(( message_red > 600 )) || fail "the notification shows no message ($message_red red pixels; $shot)"

stop_clock
pass "the notification shows the message ($message_red red pixels below its middle)"

# --- a picture from a folder named in Cyrillic ---------------------------------------

folder="$WINEPREFIX/drive_c/Картинки"
mkdir -p "$folder"
convert -size 64x32 xc:'#2050a0' BMP3:"$folder/фон.bmp"
reset_registry
reg_set Settings OnBitmap 1
reg_set_sz Settings Bitmap 'C:\Картинки\фон.bmp'
start_clock
client_area
[ -z "$(xdotool search --onlyvisible --name '^エラー$' 2>/dev/null || true)" ] ||
  fail "the picture did not load: $(probe popup | tr '\n' '|')"
eventually [ "$(pixel $((CL_X + 2)) $((CL_Y + 2)))" = 2050a0 ] ||
  fail "the picture is not drawn (screenshot $(screenshot western-picture))"
stop_clock
pass "a picture from 'C:\\Картинки\\фон.bmp' is drawn"

# --- an English UI language ------------------------------------------------------------

# The prefix's services still run under the Japanese user locale, and any
# process they start puts its formats back into the registry: the server
# and its services end first and start again under the English one.
"$WINESERVER" -k >/dev/null 2>&1 || true
"$WINESERVER" -w >/dev/null 2>&1 || true
export LC_ALL=en_US.UTF-8
# english LABEL...: the open dialog shows each label, and nothing in Japanese.
english() {
  local texts; texts="$(probe popup)"
  for label in "$@"; do grep -qxF "$label" <<<"$texts" || fail "no '$label' in: $(tr '\n' '|' <<<"$texts")"; done
  perl -CS -ne 'exit 1 if /[\x{3000}-\x{9FFF}\x{FF00}-\x{FFEF}]/' <<<"$texts" ||
    fail "Japanese in: $(tr '\n' '|' <<<"$texts")"
}

reset_registry
TZ=XXX-09:00:00 start_clock
title="$(window_title)"
want="Tivora - $(TZ=XXX-09:00:00 date +'%A, %B %-d, %Y')"
[ "$title" = "$want" ] || fail "title '$title', wanted '$want'; the user's formats: $(wine_cmd reg query \
  'HKCU\Control Panel\International' 2>/dev/null | tr -d '\r' | grep -aE 'LocaleName|sLongDate' | tr -s ' \n' ' ')"
# "Tra&nsparent" is an English key only: the Japanese item's is I.
open_menu
screenshot english-menu >/dev/null
xdotool key n
eventually dword_is Settings OnTransparent 1 || fail "the menu's key n did not switch the transparent display"
probe command 2008
[ -n "$(await_window 100 --onlyvisible --name '^Timer Settings$')" ] || fail "no timer dialog 'Timer Settings'"
english Timer On Off 'Alarm time' Message Days 'Beeps:' Cancel 'Snooze:' 'Use a wav sound' \
  'Close the notification when the alarm ends' 'Hourly chime from'
stop_clock
pass "the title '$title', the menu and the timer dialog read in English"

reset_registry
reg_set Timer OnTimer 1
reg_set Timer On1 1
reg_set_sz Timer Alarm1 07:30
ZONE="$(tz_at 07:29:57)"
TZ=$ZONE start_clock
notice="$(await_window 150 --onlyvisible --name '^Tivora$')"
[ -n "$notice" ] || fail "no notification (screenshot $(screenshot english-no-notice))"
english OK Snooze
screenshot english-notification "$notice" >/dev/null
stop_clock
pass "the notification reads 'OK' / 'Snooze'"
