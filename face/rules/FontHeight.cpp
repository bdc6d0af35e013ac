#include "face/rules/FontHeight.h"
#include "settings/rules/SettingsLayout.h"

StoredFontHeight StoreFontHeight(int32_t pixels, int32_t dpi) {
  const DpiScale scale(dpi);
  return {scale.ToFigure(pixels), pixels, scale.Dpi};
}

bool IsDialogFontSize(int32_t figure) {
  // Points at 96 DPI, rounded: a height chosen at 120 DPI may lie half a
  // point off once it is taken to the figure.
  if (figure == INT32_MIN) return false;
  const int32_t points = MulDivRounded(figure < 0 ? -figure : figure, 72, 96);
  return points >= kSmallestFontPoints && points <= kLargestFontPoints;
}

int32_t LoadFontHeight(const StoredFontHeight& stored, int32_t dpi) {
  const DpiScale scale(dpi);
  if (!IsDialogFontSize(stored.Figure))
    return scale.ToPixels(int32_t(RowOf(SettingId::FontSize).DefaultNumber));
  if (stored.Pixels != 0 && stored.Dpi == scale.Dpi && scale.ToFigure(stored.Pixels) == stored.Figure)
    return stored.Pixels;
  return scale.ToPixels(stored.Figure);
}
