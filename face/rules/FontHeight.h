#pragma once
#include <cstdint>
#include "base/rules/DpiScale.h"

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
