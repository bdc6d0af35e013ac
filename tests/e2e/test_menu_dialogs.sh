#!/usr/bin/env bash
# The font dialog of the menu on the real clock, confirmed with Enter, saves
# the font and fits the window to the text with even ink margins.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"

# The red digits' horizontal extent in the window: sets INK_L INK_R as
# margins from the window's left and right edges.
ink_margins() {
  local shot="$1" box w x
  box="$(convert "$shot" -crop "${WIN_W}x$WIN_H+$WIN_X+$WIN_Y" +repage -fuzz 35% \
    -fill black +opaque red -trim -format '%w %X' info: 2>/dev/null)"
  read -r w x <<<"$box"
  INK_L=$((x)) INK_R=$((WIN_W - x - w))
}

# The window is fitted to the widest time the face can show, one of two-digit
# hours: at 20:08 the text fills it. A glyph's side bearing adds to the
# margin that the fit leaves: the outer digits 2 and 8 have narrow ones, not
# a 1 or a 7 that the time of day would bring.
reset_registry
TZ="$(tz_at 20:08:02)" start_clock
window_geometry
w0=$WIN_W h0=$WIN_H
choose f
eventually more_windows_than 1 || fail "the font dialog did not open"
screenshot font_dialog >/dev/null
xdotool key Return
eventually at_most_windows 1 || fail "Enter did not close the font dialog"
eventually text_is Settings FontName Arial || fail "FontName '$(reg_get Settings FontName)'"
resized() { window_geometry; [ "${WIN_W}x$WIN_H" != "${w0}x$h0" ]; }
eventually resized || true
shot="$(screenshot font_fitted)"
ink_margins "$shot"
(( INK_L >= 14 && INK_L <= 20 && INK_R >= 14 && INK_R <= 20 )) && [ "${WIN_W}x$WIN_H" != "${w0}x$h0" ] ||
  fail "the window does not fit the text: margins $INK_L and $INK_R in ${WIN_W}x$WIN_H"
pass "Enter in the font dialog writes the font and fits the window (${WIN_W}x$WIN_H, margins $INK_L/$INK_R)"
