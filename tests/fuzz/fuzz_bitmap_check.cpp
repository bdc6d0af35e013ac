// Feeds arbitrary bytes to the background picture's file checks as a whole
// .bmp file, through the loader's own steps in its order (CheckBitmapFile),
// and arbitrary numbers to the pixel-size arithmetic. Whatever the bytes, an
// accepted picture must keep its colour table and pixel rows inside the
// block, and the sizes must match a computation that can't overflow.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>
#include "face/rules/BitmapCheck.h"

namespace {

void Require(bool condition) {
  if (!condition) abort();
}

// Reads every byte the stretched drawing would read, so that AddressSanitizer
// sees any range that reaches past the block.
volatile uint8_t Sink;
void TouchRange(const uint8_t* block, uint64_t from, uint64_t count) {
  uint8_t sum = 0;
  for (uint64_t i = 0; i < count; ++i) sum = static_cast<uint8_t>(sum + block[from + i]);
  Sink = sum;
}

uint32_t Word(const uint8_t* data, size_t size, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4 && at + i < size; ++i) v |= static_cast<uint32_t>(data[at + i]) << (8 * i);
  return v;
}

// held: a copy of exactly the announced block the loader holds, so that
// AddressSanitizer sees any range that reaches past it.
void CheckAcceptedPicture(const BitmapVerdict& b, const std::vector<uint8_t>& held) {
  const uint64_t size = held.size();
  const uint8_t* block = held.data();
  Require(b.Width > 0 && b.Rows > 0);
  uint64_t tableEnd = uint64_t{b.ColorTableOffset} + 4ull * b.ColorCount;
  Require(b.ColorTableOffset >= kInfoHeaderSize && tableEnd <= size);
  Require(uint64_t{b.PixelOffset} + b.PixelSize <= size);
  Require(uint64_t{b.PixelOffset} + b.SizeImage <= size);
  uint32_t bitCount = static_cast<uint32_t>(block[14] | block[15] << 8);
  unsigned __int128 row = (static_cast<unsigned __int128>(bitCount) * b.Width + 31) / 32 * 4;
  Require(row * b.Rows == b.PixelSize);
  TouchRange(block, 0, tableEnd);
  TouchRange(block, b.PixelOffset, b.PixelSize);
}

// The arithmetic alone, with numbers no header check has narrowed.
void CheckPixelArithmetic(const uint8_t* data, size_t size) {
  uint32_t bitCount = Word(data, size, 0), width = Word(data, size, 4);
  uint32_t rows = Word(data, size, 8);
  uint64_t limit = uint64_t{Word(data, size, 12)} << (data[size ? size - 1 : 0] % 33);
  unsigned __int128 row = (static_cast<unsigned __int128>(bitCount) * width + 31) / 32 * 4;
  unsigned __int128 total = row * rows;
  uint64_t cap = limit < UINT32_MAX ? limit : UINT32_MAX;
  uint32_t got = 0xDEADBEEF;
  bool fits = PixelDataSize(bitCount, width, rows, limit, &got);
  Require(fits == (total <= cap));
  Require(fits ? got == total : got == 0xDEADBEEF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The file as the loader holds it, in a buffer of its own size: the header
  // and no more than the announced block, so that AddressSanitizer sees any
  // read of the checks past the block.
  BitmapReadPlan plan = PlanBitmapRead(data, size);
  size_t held = size;
  if (plan.Fault == BitmapFault::None && size - kFileHeaderSize > plan.BlockSize)
    held = kFileHeaderSize + plan.BlockSize;
  const std::vector<uint8_t> file(data, data + held);
  BitmapVerdict v = CheckBitmapFile(file.data(), file.size());
  if (v.Fault == BitmapFault::None) {
    const uint8_t* block = file.data() + kFileHeaderSize;
    CheckAcceptedPicture(v, {block, block + plan.BlockSize});
  }
  if (size > 0) CheckPixelArithmetic(data, size);
  return 0;
}
