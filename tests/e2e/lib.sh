# Shared helpers of the end-to-end tests: start the real exe under Wine on
# the test display, find its window, read the registry, take screenshots.
# Each test script sources this file and is given the exe's path as $1.
set -euo pipefail
source "$TIVORA_ROOT/scripts/wine-env.sh"
# The test command gives the e2e tier a prefix and a display of its own.
export WINEPREFIX="${TIVORA_E2E_PREFIX:-${WINEPREFIX:-$TIVORA_BUILD/wineprefix}}"
export DISPLAY="${TIVORA_E2E_DISPLAY:-${DISPLAY:-:99}}"
EXE="$1"
PROBE="${2:-$(dirname "$EXE")/tivora_probe.exe}"
SHOTS="$TIVORA_BUILD/screenshots"
mkdir -p "$SHOTS"
CLOCK_PID=""
REG_KEY='HKCU\Software\ZEPH\Tivora'

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "PASS: $*"; }
# A step that ends the test through `set -e` says which step it was.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND ended with $?" >&2' ERR

wine_cmd() { "$TIVORA_WINE" "$@"; }

# Empties the clock's registry key.
reset_registry() { eventually key_deleted || fail "could not delete $REG_KEY"; }
key_deleted() {
  wine_cmd reg delete "$REG_KEY" /f >/dev/null 2>&1 || true
  ! wine_cmd reg query "$REG_KEY" >/dev/null 2>&1
}

# reg_set Settings OnCaption 1   /   reg_set_sz Timer Msg1 text
reg_set() { reg_add "$REG_KEY\\$1" "$2" REG_DWORD "$3"; }
reg_set_sz() { reg_add "$REG_KEY\\$1" "$2" REG_SZ "$3"; }
reg_add() {  # reg_add KEY NAME TYPE DATA
  eventually wine_cmd reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 ||
    fail "could not store $1\\$2"
}

# Prints a value's data as reg query shows it (DWORDs as 0x..), or nothing.
# reg query answers in code page 932: converted to UTF-8 here.
reg_get() {
  wine_cmd reg query "$REG_KEY\\$1" /v "$2" 2>/dev/null | iconv -f CP932 -t UTF-8 2>/dev/null |
    tr -d '\r' | awk -v n="$2" '$1 == n { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}
reg_dword() {  # decimal value of a DWORD, or nothing
  local v; v="$(reg_get "$1" "$2")"
  [ -n "$v" ] && printf '%d\n' "$v"
}

# eventually CMD...: true once CMD succeeds, asked 30 times over about
# 5 s. The effects of a click or a key are checked this way: a busy machine
# can be slow to run the command, and now and then a Wine process started
# under load answers nothing.
eventually() {
  for _ in $(seq 30); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
dword_is() { [ "$(reg_dword "$1" "$2")" = "$3" ]; }  # dword_is GROUP NAME DECIMAL
text_is() { [ "$(reg_get "$1" "$2")" = "$3" ]; }     # text_is GROUP NAME TEXT

# await_window TRIES SEARCH...: the X id of the first window that
# `xdotool search SEARCH...` finds, asked every tenth of a second up to
# TRIES times; nothing when none came.
await_window() {
  local tries="$1" id=""
  shift
  for _ in $(seq "$tries"); do
    id="$(xdotool search "$@" 2>/dev/null | head -1 || true)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}

# Starts the clock (extra environment may be passed as NAME=value before
# the call, e.g. TZ) and waits until its window is drawn; CLOCK_WIN holds
# its X id.
start_clock() {
  launch_clock
  await_clock 100 --name '^Tivora'
}

# Starts the exe in the background, its error output (Wine's trace under
# WINEDEBUG) written to CLOCK_TRACE when that is set. The screen is kept as
# it was before, so that await_clock can tell when the window has been drawn
# over it; a clock that has just ended must have left the screen first.
launch_clock() {
  eventually no_clock_shown || fail "a window of the last clock is still shown"
  keep_screen
  "$TIVORA_WINE" "$EXE" >/dev/null 2>"${CLOCK_TRACE:-/dev/null}" &
  CLOCK_PID=$!
}

# await_clock TRIES SEARCH...: sets CLOCK_WIN once await_window finds the
# window, then waits until its face is drawn.
await_clock() {
  CLOCK_WIN="$(await_window "$@")"
  [ -n "$CLOCK_WIN" ] || fail "the clock window did not appear"
  # Wine makes the X window anew when the clock turns layered: the first id
  # found may be gone by now.
  if ! drawn_since_kept "$CLOCK_WIN"; then
    CLOCK_WIN="$(await_window "$@")"
    drawn_since_kept "$CLOCK_WIN" || fail "the clock window was not drawn"
  fi
}

no_clock_shown() { [ -z "$(xdotool search --onlyvisible --class '^tivora\.exe$' 2>/dev/null || true)" ]; }
# The screen as it is now, to compare with once a window has opened.
keep_screen() { import -window root "$SHOTS/kept-screen.png"; }

# drawn_since_kept ID: waits until the window's area on the screen differs
# from the kept screen and shows the same picture twice running: a new
# window can be mapped a moment before the program has drawn into it, and
# it then shows what lay behind it.
drawn_since_kept() {
  DRAWN_LAST=""
  eventually area_drawn "$1"
}
area_drawn() {
  # Local: the caller's WIN_X.. stay those of the window it last measured.
  local area now WIN_X WIN_Y WIN_W WIN_H
  window_geometry "$1" 2>/dev/null
  [ -n "$WIN_W" ] || return 1
  area="${WIN_W}x$WIN_H+$WIN_X+$WIN_Y"
  now="$(import -window root -crop "$area" -depth 8 rgb:- 2>/dev/null | md5sum)"
  if [ "$now" = "$DRAWN_LAST" ] &&
    [ "$now" != "$(convert "$SHOTS/kept-screen.png" -crop "$area" -depth 8 rgb:- | md5sum)" ]; then
    return 0
  fi
  DRAWN_LAST="$now"
  return 1
}

# True while the X window ID is shown.
shown() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
not_shown() { ! shown "$1"; }

# wait_for_exit: true once the clock's process has ended, asked every tenth
# of a second for up to 5 s.
wait_for_exit() {
  for _ in $(seq 50); do
    kill -0 "$CLOCK_PID" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# Ends the clock the way closing its window does: taskkill without /f posts
# WM_CLOSE to the program's windows. Then waits for the process.
stop_clock() {
  if [ -n "$CLOCK_PID" ] && kill -0 "$CLOCK_PID" 2>/dev/null; then
    wine_cmd taskkill /im "$(basename "$EXE")" >/dev/null 2>&1 || true
    wait_for_exit || true
    kill "$CLOCK_PID" 2>/dev/null || true
  fi
  CLOCK_PID=""
}
trap 'stop_clock' EXIT

# Geometry of the clock window: sets WIN_X WIN_Y WIN_W WIN_H.
window_geometry() {
  local info
  if ! info="$(xwininfo -id "${1:-$CLOCK_WIN}" 2>/dev/null)" && [ -z "${1:-}" ]; then
    # Wine makes the clock's X window anew when it turns layered (another
    # visual): the id found at the start may be gone.
    CLOCK_WIN="$(await_window 50 --name '^Tivora')"
    info="$(xwininfo -id "$CLOCK_WIN")"
  fi
  WIN_X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  WIN_Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  WIN_W=$(awk '/Width:/ {print $2}' <<<"$info")
  WIN_H=$(awk '/Height:/ {print $2}' <<<"$info")
}

window_title() { xdotool getwindowname "${1:-$CLOCK_WIN}"; }

# tz_at HH:MM:SS -> a POSIX TZ whose local time is that time now (seconds
# offsets are honoured by Wine and date alike).
tz_at() {
  local want now off sign=+
  want=$(( 10#${1:0:2} * 3600 + 10#${1:3:2} * 60 + 10#${1:6:2} ))
  now=$(( $(date -u +%s) % 86400 ))
  off=$(( ((now - want) % 86400 + 86400) % 86400 ))
  (( off > 43200 )) && off=$(( off - 86400 ))
  (( off < 0 )) && { sign=-; off=$(( -off )); }
  printf 'XXX%s%02d:%02d:%02d\n' "$sign" $(( off / 3600 )) $(( off / 60 % 60 )) $(( off % 60 ))
}

# The local time in the zone $ZONE that an alarm test started the clock in
# (a tz_at zone), and waits for it.
ZONE=""
local_time() { TZ="$ZONE" date +%H:%M:%S; }
seconds_of() { echo $((10#${1:0:2} * 3600 + 10#${1:3:2} * 60 + 10#${1:6:2})); }
local_seconds() { seconds_of "$(local_time)"; }
wait_until() { while [ "$(local_seconds)" -lt "$(seconds_of "$1")" ]; do sleep 0.05; done; }

# The alarm notification's window (titled "Tivora", the clock's title has
# the date), or nothing.
notice() { xdotool search --onlyvisible --name '^Tivora$' 2>/dev/null | head -1 || true; }
no_notice() { [ -z "$(notice)" ]; }

# Ends Wine's relay trace that a test asked for in the prefix.
relay_off() { wine_cmd reg delete 'HKCU\Software\Wine\Debug' /v RelayInclude /f >/dev/null 2>&1 || true; }

# screenshot NAME [window]: the whole screen, or one window, as a PNG.
screenshot() {
  local out="$SHOTS/$1.png"
  if [ -n "${2:-}" ]; then import -window "$2" "$out"; else import -window root "$out"; fi
  echo "$out"
}

# The colour of one screen pixel as rrggbb.
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 |
    sed -E 's/.*#([0-9A-Fa-f]{6}).*/\1/' | tr 'A-F' 'a-f'
}

# drag DX DY [FROM_X FROM_Y]: presses the left button inside the clock
# (its centre unless given), moves in small steps by DX, DY and releases.
# Then waits until X shows the window moved, so that the caller reads the
# new place.
drag() {
  window_geometry
  local x="${3:-$((WIN_X + WIN_W / 2))}" y="${4:-$((WIN_Y + WIN_H / 2))}" steps=6 i
  local from="$WIN_X,$WIN_Y"
  # The pauses keep the press, each move and the release apart, so that the
  # program reads them as the separate events of a hand's drag; nothing on
  # the screen shows that it has read one.
  xdotool mousemove "$x" "$y"; sleep 0.2
  xdotool mousedown 1; sleep 0.2
  for i in $(seq 1 $steps); do
    xdotool mousemove $((x + $1 * i / steps)) $((y + $2 * i / steps)); sleep 0.08
  done
  sleep 0.2
  xdotool mouseup 1
  eventually moved_from "$from" || true
}
moved_from() { window_geometry; [ "$WIN_X,$WIN_Y" != "$1" ]; }  # moved_from X,Y

# probe styles|rect|client|region|zorder|active|title|close|endsession N|command ID
# Looks at the clock from the Windows side (tests/probe/probe.cpp).
probe() { "$TIVORA_WINE" "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# own_desk OFFSET NAME: moves the test onto an X display of its own, OFFSET
# above the e2e one, and a Wine prefix of its own, wineprefix-NAME: one Wine
# server serves one X display. The clock, that prefix's Wine server and an X
# server started by start_desk end with the test.
own_desk() {
  local number="${DISPLAY#:}"
  export DISPLAY=":$(( ${number%%.*} + $1 ))"
  export WINEPREFIX="$TIVORA_BUILD/wineprefix-$2"
  DESK_PID=""
  trap end_desk EXIT
}
end_desk() {
  stop_clock
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -z "$DESK_PID" ] || kill "$DESK_PID" 2>/dev/null || true
}
# start_desk COMMAND...: starts the X server COMMAND for $DISPLAY and waits
# until it answers.
start_desk() {
  "$@" >/dev/null 2>&1 &
  DESK_PID=$!
  eventually xdpyinfo >/dev/null 2>&1 || fail "no X server on $DISPLAY from $1"
}

# Each test sets the state it starts from, whatever an earlier test that was
# killed left: no clock of ours runs, and the display scale (which
# test_dpi.sh changes) is 96 DPI.
no_clock_shown || wine_cmd taskkill /f /im "$(basename "$EXE")" >/dev/null 2>&1 || true
reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 96
