#include "timer/rules/WaveLength.h"

static uint32_t ReadU32(const unsigned char* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

static bool IsTag(const unsigned char* p, const char* tag) {
  return p[0] == tag[0] && p[1] == tag[1] && p[2] == tag[2] && p[3] == tag[3];
}

uint32_t WaveLengthMs(const unsigned char* bytes, size_t size) {
  if (size < 12 || !IsTag(bytes, "RIFF") || !IsTag(bytes + 8, "WAVE")) return 0;
  uint32_t byteRate = 0;
  size_t at = 12;
  // Chunk by chunk: an 8-byte header, then the body, padded to an even size.
  while (at + 8 <= size) {
    const unsigned char* chunk = bytes + at;
    const uint32_t length = ReadU32(chunk + 4);
    if (IsTag(chunk, "fmt ") && length >= 16 && at + 20 <= size) byteRate = ReadU32(chunk + 16);
    if (IsTag(chunk, "data")) {
      if (byteRate == 0) return 0;
      // In 32 bits: whole seconds, then the rest of one without overflow.
      const uint32_t rest = length % byteRate;
      const uint32_t restMs = byteRate > 4000000 ? rest / (byteRate / 1000) : rest * 1000 / byteRate;
      return length / byteRate * 1000 + restMs;
    }
    if (length > size - at - 8) return 0;
    at += 8 + size_t(length) + (length & 1);
  }
  return 0;
}
