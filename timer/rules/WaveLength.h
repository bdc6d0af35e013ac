#pragma once
#include <cstddef>
#include <cstdint>

// How long the sound of a wave file plays at most, in milliseconds, read
// from the start of the file (`bytes`, the first `size` bytes) and the
// file's whole size: the sound that its "data" chunk holds within the file,
// at the fastest rate its "fmt " chunk gives. A header that claims more
// data than the file holds, or rates that disagree, never lengthen it.
// 0 when the chunks do not lie in those bytes, or the file is no RIFF WAVE
// file: its length is then unknown. At most kLongestWaveMs.
uint32_t WaveLengthMs(const unsigned char* bytes, size_t size, uint64_t fileSize);

// The longest wait a window timer takes.
constexpr uint32_t kLongestWaveMs = 0x7FFFFFFF;
