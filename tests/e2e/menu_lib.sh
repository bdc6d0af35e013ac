# Helpers of the menu, switch and dialog tests (sourced after lib.sh): open
# the pop-up menu with the right button, pick an item by its access key,
# and look for a window or a colour on the screen.

# How many windows the clock's process shows: its own, and a menu or a
# dialog while one is open.
clock_windows() { xdotool search --onlyvisible --class '^tivora\.exe$' 2>/dev/null | wc -l; }
more_windows_than() { (( $(clock_windows) > $1 )); }
at_most_windows() { (( $(clock_windows) <= $1 )); }

# open_menu [X Y]: right click inside the clock (at its centre unless
# given: a round clock has no corners) and wait until the menu is drawn;
# sets MENU_X MENU_Y to the click point and MENU_WIN to the menu's X id.
open_menu() {
  window_geometry
  MENU_X="${1:-$((WIN_X + WIN_W / 2))}" MENU_Y="${2:-$((WIN_Y + WIN_H / 2))}"
  local before; before="$(clock_window_ids)"
  # The pointer must be over the clock before the button goes down.
  xdotool mousemove "$MENU_X" "$MENU_Y"; sleep 0.2
  keep_screen
  xdotool click 3
  eventually new_window "$before" || fail "no menu opened (screenshot $(screenshot no-menu))"
  MENU_WIN="$NEW_WIN"
  drawn_since_kept "$MENU_WIN" || true
}
clock_window_ids() { xdotool search --onlyvisible --class '^tivora\.exe$' 2>/dev/null | sort || true; }
# new_window IDS: sets NEW_WIN to a shown window of the clock's process that
# is not among IDS (one a line).
new_window() {
  NEW_WIN="$(comm -13 <(printf '%s\n' "$1") <(clock_window_ids) | head -1)"
  [ -n "$NEW_WIN" ]
}

# choose KEY: opens the menu, presses the item's access key and waits until
# the menu has gone.
choose() {
  open_menu
  xdotool key "$1"
  eventually not_shown "$MENU_WIN" || true
}

# count_colour PNG GEOMETRY RRGGBB: pixels of exactly that colour in the
# area; nothing, and false, when the picture could not be read.
count_colour() {
  local histogram
  histogram="$(convert "$1" -crop "$2" +repage -depth 8 -format %c histogram:info:-)" || return 1
  [ -n "$histogram" ] || return 1
  awk -v c="#$(tr 'a-f' 'A-F' <<<"$3")" '$3 == c { sub(":", "", $1); n += $1 } END { print n + 0 }' \
    <<<"$histogram"
}

# The menu's size as drawn: the white block that opened at the click.
# Sets MENU_W MENU_H.
menu_size() {
  local box
  box="$(convert "$1" -crop "400x600+$MENU_X+$MENU_Y" +repage -fill black +opaque white \
    -trim -format '%w %h' info: 2>/dev/null)"
  read -r MENU_W MENU_H <<<"$box"
}

# wait_window NAME: the X id of a window whose title is NAME, once it shows.
wait_window() { await_window 50 --onlyvisible --name "^$1\$"; }

# style_has MASK: the clock's style word carries every bit of MASK.
style_has() {
  local style; style="$(probe styles | sed -E 's/style=(0x[0-9a-f]+).*/\1/')"
  (( (style & $1) == $1 ))
}
