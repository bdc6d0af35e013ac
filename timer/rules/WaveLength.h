#pragma once
#include <cstddef>
#include <cstdint>

// How long a wave file plays, in milliseconds, read from the start of the
// file (`bytes`, the first `size` bytes): the byte rate of its "fmt " chunk
// and the size of its "data" chunk, both of which must lie in those bytes.
// 0 when they do not, or when the file is no RIFF WAVE file: its length is
// then unknown.
uint32_t WaveLengthMs(const unsigned char* bytes, size_t size);
