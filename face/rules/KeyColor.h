#pragma once
#include <cstdint>

// The colour that the transparent digital window paints where the desktop
// must show through. It must never equal the text colour, or the digits
// would vanish with the background.
constexpr uint32_t kTransparentKey = 0x00FF00FF;       // magenta
constexpr uint32_t kTransparentKeyAlt = 0x0000FF00;    // green, when the text is magenta

inline uint32_t TransparentKeyFor(uint32_t textColor) {
  return (textColor & 0x00FFFFFF) == kTransparentKey ? kTransparentKeyAlt : kTransparentKey;
}
