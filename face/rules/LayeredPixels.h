#pragma once
#include <cstdint>

// The pixels of the transparent digital display, a layered window shown
// with per-pixel alpha: 32-bit 0xAARRGGBB with the colour premultiplied by
// the alpha, as the system blends them over what lies behind.

// The pixel where no digit is: alpha 1 is too faint to see, but a pixel
// with alpha 0 would let the mouse through to the window behind, and the
// clock must take clicks over its whole rectangle.
constexpr uint32_t kLayeredBackground = 0x01000000u;

// The key colour of the transparent digits with a caption (a 0x00BBGGRR
// colour reference): magenta, or green for magenta digits, which would
// otherwise vanish with the ground.
constexpr uint32_t KeyColorFor(uint32_t textColor) {
  return (textColor & 0x00FFFFFFu) == 0x00FF00FFu ? 0x0000FF00u : 0x00FF00FFu;
}

// How much of a pixel the text covers, 0 to 255, read from text drawn
// anti-aliased in white on black (a 0x00RRGGBB pixel): its brightest channel.
uint8_t CoverageOf(uint32_t whiteOnBlack);

// A pixel of the digits: the text colour (a 0x00BBGGRR colour reference)
// with the coverage as its alpha, premultiplied; the background pixel
// where the text does not reach.
uint32_t LayeredPixel(uint8_t coverage, uint32_t textColor);
