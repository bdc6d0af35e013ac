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

// The font height as the registry keeps it. FontSize, the 96-DPI figure, is
// what every reader of the settings knows, but it cannot carry every pixel
// height: at 120 DPI no figure gives 17 pixels (10 pt), as 14 gives 18. The
// pixels chosen and the DPI they were chosen at are kept beside it.
struct StoredFontHeight {
  int32_t Figure;   // FontSize
  int32_t Pixels;   // FontHeight; 0 where none was stored
  int32_t Dpi;      // FontDpi
};

// The font dialog's sizes in points: it lists these and takes no other.
constexpr int32_t kSmallestFontPoints = 8;
constexpr int32_t kLargestFontPoints = 72;
// Whether a stored FontSize is one the font dialog gives, 8 to 72 points at
// 96 DPI (a character height, negative, or a cell height), give or take the
// rounding of a height chosen at another scale.
bool IsDialogFontSize(int32_t figure);

StoredFontHeight StoreFontHeight(int32_t pixels, int32_t dpi);
// The height in pixels at `dpi`: the stored pixels where they were chosen at
// this DPI and FontSize is still their figure (a form of the program that
// knows only FontSize rewrites that alone), the figure scaled otherwise. A
// FontSize that the dialog cannot give (0, or thousands of pixels, whose
// digits no window holds) is read as the settings layout's default.
int32_t LoadFontHeight(const StoredFontHeight& stored, int32_t dpi);
