#include "timer/rules/WaveLength.h"
#include "base/rules/LittleEndian.h"

static bool IsTag(const unsigned char* p, const char* tag) {
  return p[0] == tag[0] && p[1] == tag[1] && p[2] == tag[2] && p[3] == tag[3];
}

// The bytes a second of the format plays. Samples (PCM, float, and the
// extensible form of either) play at their sample rate whatever the stated
// byte rate says; where the fields disagree, the fastest of them counts.
static uint32_t ByteRate(const unsigned char* format) {
  const uint32_t tag = ReadLittle16(format);
  const uint64_t sampleRate = ReadLittle32(format + 4);
  uint64_t rate = ReadLittle32(format + 8);
  if (tag == 1 || tag == 3 || tag == 0xFFFE) {
    const uint64_t blockAlign = ReadLittle16(format + 12);
    const uint64_t frameBytes = (ReadLittle16(format + 2) * ReadLittle16(format + 14)) >> 3;
    if (sampleRate * blockAlign > rate) rate = sampleRate * blockAlign;
    if (sampleRate * frameBytes > rate) rate = sampleRate * frameBytes;
  }
  return rate > 0xFFFFFFFFu ? 0xFFFFFFFFu : uint32_t(rate);
}

// In 32 bits: whole seconds, then the rest of one, without overflow.
static uint32_t Milliseconds(uint32_t bytes, uint32_t rate) {
  const uint32_t seconds = bytes / rate;
  if (seconds >= kLongestWaveMs / 1000) return kLongestWaveMs;
  const uint32_t rest = bytes % rate;
  return seconds * 1000 + (rate > 4000000 ? rest / (rate / 1000) : rest * 1000 / rate);
}

uint32_t WaveLengthMs(const unsigned char* bytes, size_t size, uint64_t fileSize) {
  if (size > fileSize) size = size_t(fileSize);
  if (size < 12 || !IsTag(bytes, "RIFF") || !IsTag(bytes + 8, "WAVE")) return 0;
  uint32_t rate = 0;
  size_t at = 12;
  // Chunk by chunk: an 8-byte header, then the body, padded to an even size.
  while (at + 8 <= size) {
    const unsigned char* chunk = bytes + at;
    const uint32_t length = ReadLittle32(chunk + 4);
    if (IsTag(chunk, "fmt ") && length >= 16 && at + 24 <= size) rate = ByteRate(chunk + 8);
    if (IsTag(chunk, "data")) {
      if (rate == 0) return 0;
      const uint64_t present = fileSize - (at + 8);
      return Milliseconds(length < present ? length : uint32_t(present), rate);
    }
    if (length > size - at - 8) return 0;
    at += 8 + size_t(length) + (length & 1);
  }
  return 0;
}
