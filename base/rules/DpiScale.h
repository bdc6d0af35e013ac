#pragma once
#include <cstdint>

// The design's pixel figures (window size, font heights, margins, the drag
// dead zone) are made for a 96-DPI screen. A DpiScale turns such a figure
// into the pixels of a window at its DPI, and pixels back into the 96-DPI
// figure that the registry keeps, so that a stored size means the same at
// every display scale and at 96 DPI nothing changes.
struct DpiScale {
  static constexpr int32_t kDesignDpi = 96;

  int32_t Dpi;

  // A DPI of 0 or less (no answer from the system) is taken as 96.
  explicit DpiScale(int32_t dpi) : Dpi(dpi > 0 ? dpi : kDesignDpi) {}

  // A 96-DPI figure in this DPI's pixels, rounded as MulDiv(figure, dpi, 96).
  int32_t ToPixels(int32_t figure) const;
  // Pixels at this DPI as the 96-DPI figure, rounded as MulDiv(pixels, 96, dpi).
  int32_t ToFigure(int32_t pixels) const;
  // Pixels meant at `from` as pixels at this DPI. It goes through the 96-DPI
  // figure, so that moving between monitors back and forth does not drift.
  int32_t FromScale(int32_t pixels, DpiScale from) const;
};

// value * numerator / denominator rounded to the nearest, halves away from
// zero, as Windows' MulDiv; held within 32 bits. A zero denominator gives 0.
int32_t MulDivRounded(int32_t value, int32_t numerator, int32_t denominator);
