#!/usr/bin/env bash
# The dialogs of the menu on the real clock: the font dialog confirmed with
# Enter saves the font group and fits the window to the text; Esc in the
# font, colour and picture dialogs changes and writes nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"
source "$(dirname "$0")/faces_lib.sh"

# A dialog of the clock shows beside its window, and is gone again. After
# it has gone, a wrong write would follow at once: the checks that nothing
# was written give it half a second.
wait_dialog() { eventually more_windows_than 1; }
dialog_gone() { eventually at_most_windows 1 && sleep 0.5; }

# The red digits' horizontal extent in the window: sets INK_L INK_R as
# margins from the window's left and right edges.
ink_margins() {
  local shot="$1" box w x
  box="$(convert "$shot" -crop "${WIN_W}x$WIN_H+$WIN_X+$WIN_Y" +repage -fuzz 35% \
    -fill black +opaque red -trim -format '%w %X' info: 2>/dev/null)"
  read -r w x <<<"$box"
  INK_L=$((x)) INK_R=$((WIN_W - x - w))
}

# A glyph's side bearing adds to the margin that the fit leaves: the clock
# shows 8:08, whose outer digits have narrow bearings, not a 1 or a 7 that
# the time of day would bring.
reset_registry
TZ="$(tz_at 08:08:02)" start_clock
window_geometry
w0=$WIN_W h0=$WIN_H
choose f
wait_dialog || fail "the font dialog did not open"
screenshot font_dialog >/dev/null
xdotool key Escape
dialog_gone || fail "Esc did not close the font dialog"
[ -z "$(settings_dump)" ] || fail "Esc in the font dialog wrote: $(settings_dump)"
window_geometry
[ "${WIN_W}x$WIN_H" = "${w0}x$h0" ] || fail "Esc in the font dialog resized the window"
pass "Esc in the font dialog changes and writes nothing"

choose k
wait_dialog || fail "the colour dialog did not open"
screenshot colour_dialog >/dev/null
xdotool key Escape
dialog_gone || fail "Esc did not close the colour dialog"
[ -z "$(settings_dump)" ] || fail "Esc in the colour dialog wrote: $(settings_dump)"
pass "Esc in the colour dialog changes and writes nothing"

choose p
eventually dword_is Settings OnBitmap 1 || fail "OnBitmap after 背景に絵を使用(&P)"
before="$(settings_dump)"
choose k
wait_dialog || fail "the picture dialog did not open"
[ -n "$(wait_window 'ファイルの選択')" ] || fail "the picture dialog has not its title"
screenshot picture_dialog >/dev/null
xdotool key Escape
dialog_gone || fail "Esc did not close the picture dialog"
[ "$(settings_dump)" = "$before" ] || fail "Esc in the picture dialog wrote something"
[ -z "$(reg_get Settings Bitmap)" ] || fail "Esc in the picture dialog wrote Bitmap"
choose p
pass "背景絵(&K)... opens ファイルの選択; Esc there writes nothing"

choose f
wait_dialog || fail "the font dialog did not open again"
xdotool key Return
dialog_gone || fail "Enter did not close the font dialog"
for name in FontName FontSize FontColor FontBold FontItalic BkColor; do
  eventually has_value Settings $name || fail "$name was not written by the font dialog"
done
eventually text_is Settings FontName Arial || fail "FontName '$(reg_get Settings FontName)'"
resized() { window_geometry; [ "${WIN_W}x$WIN_H" != "${w0}x$h0" ]; }
eventually resized || true
shot="$(screenshot font_fitted)"
ink_margins "$shot"
(( INK_L >= 14 && INK_L <= 20 && INK_R >= 14 && INK_R <= 20 )) && [ "${WIN_W}x$WIN_H" != "${w0}x$h0" ] ||
  fail "the window does not fit the text: margins $INK_L and $INK_R in ${WIN_W}x$WIN_H"
pass "Enter in the font dialog writes the font group and fits the window (${WIN_W}x$WIN_H, margins $INK_L/$INK_R)"
