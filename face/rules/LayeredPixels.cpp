#include "face/rules/LayeredPixels.h"

uint8_t CoverageOf(uint32_t whiteOnBlack) {
  uint8_t r = uint8_t(whiteOnBlack >> 16), g = uint8_t(whiteOnBlack >> 8), b = uint8_t(whiteOnBlack);
  uint8_t most = r > g ? r : g;
  return most > b ? most : b;
}

// c * a / 255, rounded: a channel premultiplied by the alpha.
static uint32_t Scaled(uint32_t c, uint32_t a) { return (c * a + 127) / 255; }

uint32_t LayeredPixel(uint8_t coverage, uint32_t textColor) {
  if (coverage == 0) return kLayeredBackground;
  const uint32_t a = coverage;
  const uint32_t r = Scaled(textColor & 0xFF, a);
  const uint32_t g = Scaled((textColor >> 8) & 0xFF, a);
  const uint32_t b = Scaled((textColor >> 16) & 0xFF, a);
  return (a << 24) | (r << 16) | (g << 8) | b;
}
