#pragma once
#include <cstdint>

// Numbers of the file formats the program reads (bitmaps, waves), which
// store them least significant byte first, whatever the machine does.
inline uint16_t ReadLittle16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

inline uint32_t ReadLittle32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
