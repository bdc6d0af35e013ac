# Helpers of the face tests (sourced after lib.sh): the expected digits
# drawn by the same Wine, a window behind the clock, and pixel lookups in
# one screenshot.
FACETEXT="$(dirname "$EXE")/tivora_facetext.exe"
BACKDROP_PID=""
BACKDROP_COLOUR=3366aa

# The client area's screen rectangle: sets CL_X CL_Y CL_W CL_H. Without a
# caption the frame is the same on every side.
client_area() {
  window_geometry
  read -r CL_W CL_H <<<"$(probe client)"
  CL_X=$(( WIN_X + (WIN_W - CL_W) / 2 ))
  CL_Y=$(( WIN_Y + (WIN_H - CL_H) / 2 ))
}

# shot_client NAME: a PNG of the client area only.
shot_client() {
  local out="$SHOTS/$1.png"
  import -window root -crop "${CL_W}x${CL_H}+$CL_X+$CL_Y" +repage "$out"
  echo "$out"
}

# shows_text PNG TEXT: the picture is exactly TEXT as the digital face draws it.
shows_text() {
  local ref="$SHOTS/expected.bmp" diff
  "$TIVORA_WINE" "$FACETEXT" "$CL_W" "$CL_H" "$2" "$(winepath_of "$ref")" >/dev/null 2>&1 ||
    fail "could not draw the expected text"
  diff="$(compare -metric AE "$1" "$ref" null: 2>&1 || true)"
  [ "$diff" = 0 ]
}
winepath_of() { echo "Z:${1//\//\\}"; }

# A plain coloured X window behind where the clock will open.
start_backdrop() {
  xmessage -geometry 400x300+20+20 -bg "#$BACKDROP_COLOUR" -fg "#$BACKDROP_COLOUR" \
    -buttons "" " " >/dev/null 2>&1 &
  BACKDROP_PID=$!
  eventually backdrop_shown || fail "the window behind the clock did not show"
}
backdrop_shown() { [ "$(pixel 104 104)" = "$BACKDROP_COLOUR" ]; }
stop_backdrop() {
  [ -n "$BACKDROP_PID" ] && kill "$BACKDROP_PID" 2>/dev/null || true
  BACKDROP_PID=""
}
trap 'stop_clock; stop_backdrop' EXIT

# load_pixels PNG: reads every pixel once; px X Y then prints rrggbb.
load_pixels() {
  PIXELS="$SHOTS/pixels.txt"
  convert "$1" -depth 8 txt:- |
    sed -nE 's/^([0-9]+),([0-9]+): .*#([0-9A-Fa-f]{6}).*/\1,\2 \3/p' | tr 'A-F' 'a-f' >"$PIXELS"
}
px() { awk -v k="$1,$2" '$1 == k { print $2; exit }' "$PIXELS"; }

# shows_time_now NAME FORMAT TZ: takes a shot of the client area and checks
# that it shows the local time in FORMAT (date's) as of the moment it was
# taken; the tick may lag the clock by a second, more on a busy machine.
shows_time_now() {
  local name="$1" fmt="$2" tz="$3" t1 t2 s shot
  t1=$(date +%s)
  shot="$(shot_client "$name")"
  t2=$(date +%s)
  for ((s = t1 - 2; s <= t2; s++)); do
    shows_text "$shot" "$(TZ="$tz" date -d "@$s" +"$fmt")" && return 0
  done
  return 1
}
