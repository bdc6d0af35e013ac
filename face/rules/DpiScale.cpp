#include "face/rules/DpiScale.h"
#include <cstdint>
#include "settings/rules/SettingsLayout.h"

int32_t MulDivRounded(int32_t value, int32_t numerator, int32_t denominator) {
  if (denominator == 0) return 0;
  int64_t product = int64_t(value) * numerator;
  int64_t den = denominator;
  if (den < 0) {
    product = -product;
    den = -den;
  }
  int64_t half = den / 2;
  int64_t q = product >= 0 ? (product + half) / den : -((-product + half) / den);
  if (q > INT32_MAX) return INT32_MAX;
  if (q < INT32_MIN) return INT32_MIN;
  return int32_t(q);
}

int32_t DpiScale::ToPixels(int32_t figure) const {
  return MulDivRounded(figure, Dpi, kDesignDpi);
}

int32_t DpiScale::ToFigure(int32_t pixels) const {
  return MulDivRounded(pixels, kDesignDpi, Dpi);
}

int32_t DpiScale::FromScale(int32_t pixels, DpiScale from) const {
  return ToPixels(from.ToFigure(pixels));
}

StoredFontHeight StoreFontHeight(int32_t pixels, int32_t dpi) {
  const DpiScale scale(dpi);
  return {scale.ToFigure(pixels), pixels, scale.Dpi};
}

bool IsDialogFontSize(int32_t figure) {
  const uint32_t pixels = figure < 0 ? 0u - uint32_t(figure) : uint32_t(figure);
  // Points at 96 DPI, rounded: a height chosen at 120 DPI may lie half a
  // point off once it is taken to the figure.
  const int32_t points = pixels > 1000 ? 1000 : int32_t((pixels * 72 + 48) / 96);
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
