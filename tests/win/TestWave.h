#pragma once
// A short square-wave sound file for the tests that play or choose a wave.
#include <windows.h>
#include <cstdint>
#include <fstream>
#include <string>
#include "tests/win/TestSupport.h"

// Writes an 8 kHz, 8-bit mono wave of `samples` samples into the temporary
// folder under `name`, its header claiming `stated` samples (all of them
// unless given); gives its path.
inline std::string WriteTestWave(const char* name, unsigned samples, unsigned stated = 0) {
  if (stated == 0) stated = samples;
  std::string path = TempFilePath(name);
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4); u32(36 + stated); out.write("WAVEfmt ", 8);
  u32(16); u16(1); u16(1); u32(8000); u32(8000); u16(1); u16(8);
  out.write("data", 4); u32(stated);
  for (unsigned i = 0; i < samples; ++i) out.put(char(128 + (i % 16 < 8 ? 40 : -40)));
  return path;
}
