#include "face/rules/BitmapCheck.h"
#include "base/rules/LittleEndian.h"

// Offsets of the file header's fields (BITMAPFILEHEADER).
constexpr size_t kTypeAt = 0;
constexpr size_t kFileSizeAt = 2;
constexpr size_t kOffBitsAt = 10;

// Offsets of the information header's fields (BITMAPINFOHEADER).
constexpr size_t kWidthAt = 4;
constexpr size_t kHeightAt = 8;
constexpr size_t kBitCountAt = 14;
constexpr size_t kCompressionAt = 16;
constexpr size_t kSizeImageAt = 20;
constexpr size_t kClrUsedAt = 32;

// The block is read with one ReadFile of a signed 32-bit count at most.
constexpr uint32_t kLargestBlock = 0x7FFFFFFF;

static BitmapVerdict Refuse(BitmapFault fault) {
  BitmapVerdict v;
  v.Fault = fault;
  return v;
}

static bool DrawableFormat(uint32_t bitCount, uint32_t compression) {
  switch (bitCount) {
    case 1: case 4: case 8: case 24:
      return compression == kCompressionRgb;
    case 16: case 32:
      return compression == kCompressionRgb || compression == kCompressionBitFields;
    default:
      return false;
  }
}

static uint32_t ColorCountFor(uint32_t bitCount, uint32_t clrUsed) {
  if (clrUsed != 0) return clrUsed;
  return bitCount <= 8 ? 1u << bitCount : 0;
}

BitmapReadPlan PlanBitmapRead(const uint8_t* header, size_t count) {
  BitmapReadPlan plan;
  if (count < kFileHeaderSize) {
    plan.Fault = BitmapFault::HeaderShort;
  } else if (ReadLittle16(header + kTypeAt) != kBitmapMagic) {
    plan.Fault = BitmapFault::BadMagic;
  } else {
    plan.BlockSize = BlockSizeFor(ReadLittle32(header + kFileSizeAt));
    plan.OffBits = ReadLittle32(header + kOffBitsAt);
    if (plan.BlockSize == 0) plan.Fault = BitmapFault::NoMemory;
  }
  return plan;
}

BitmapFault CheckBlockRead(uint32_t announced, size_t got) {
  return got < announced ? BitmapFault::ShortRead : BitmapFault::None;
}

uint32_t BlockSizeFor(uint32_t bfSize) {
  if (bfSize <= kFileHeaderSize) return 0;
  uint32_t size = bfSize - kFileHeaderSize;
  return size <= kLargestBlock ? size : 0;
}

bool PixelDataSize(uint32_t bitCount, uint32_t width, uint32_t rows, uint64_t limit,
                   uint32_t* size) {
  // The product of two 32-bit numbers, plus 31, still fits in 64 bits, so the
  // row length can't overflow whatever the header says.
  uint64_t rowBytes = (static_cast<uint64_t>(bitCount) * width + 31) / 32 * 4;
  if (limit > UINT32_MAX) limit = UINT32_MAX;
  // Compared as products: a row within the limit has 32 bits, and so its
  // product with the rows fits 64.
  if (rows != 0 && (rowBytes > limit || rowBytes * rows > limit)) return false;
  *size = static_cast<uint32_t>(rowBytes * rows);
  return true;
}

BitmapVerdict CheckBitmapBlock(const uint8_t* block, size_t size, uint32_t bfOffBits) {
  if (size < 4) return Refuse(BitmapFault::Damaged);
  if (ReadLittle32(block) != kInfoHeaderSize) return Refuse(BitmapFault::InfoHeaderSize);
  if (size < kInfoHeaderSize) return Refuse(BitmapFault::Damaged);

  int32_t width = static_cast<int32_t>(ReadLittle32(block + kWidthAt));
  int32_t height = static_cast<int32_t>(ReadLittle32(block + kHeightAt));
  uint32_t bitCount = ReadLittle16(block + kBitCountAt);
  uint32_t compression = ReadLittle32(block + kCompressionAt);
  uint32_t sizeImage = ReadLittle32(block + kSizeImageAt);
  uint32_t clrUsed = ReadLittle32(block + kClrUsedAt);

  if (width == 0 || height == 0) return Refuse(BitmapFault::NoPixels);
  // A negative width means nothing; the most negative height has no positive twin.
  if (width < 0 || height == INT32_MIN) return Refuse(BitmapFault::Damaged);
  if (!DrawableFormat(bitCount, compression)) return Refuse(BitmapFault::Unsupported);

  BitmapVerdict v;
  v.Width = static_cast<uint32_t>(width);
  v.TopDown = height < 0;
  v.Rows = static_cast<uint32_t>(v.TopDown ? -static_cast<int64_t>(height) : height);
  v.ColorCount = ColorCountFor(bitCount, clrUsed);
  v.ClrUsed = v.ColorCount;

  uint64_t masks = compression == kCompressionBitFields ? kBitFieldMasksSize : 0;
  uint64_t tableEnd = kInfoHeaderSize + masks + 4ull * v.ColorCount;
  if (tableEnd > size) return Refuse(BitmapFault::Damaged);
  v.ColorTableOffset = static_cast<uint32_t>(kInfoHeaderSize + masks);

  uint64_t pixelOffset = tableEnd;
  if (bfOffBits != 0) {
    if (bfOffBits < kFileHeaderSize) return Refuse(BitmapFault::Damaged);
    pixelOffset = bfOffBits - kFileHeaderSize;
  }
  if (pixelOffset > size) return Refuse(BitmapFault::Damaged);
  v.PixelOffset = static_cast<uint32_t>(pixelOffset);

  uint64_t available = size - pixelOffset;
  if (!PixelDataSize(bitCount, v.Width, v.Rows, available, &v.PixelSize))
    return Refuse(BitmapFault::Damaged);
  // The drawing reads the computed size; a stored size beyond the block is
  // replaced so that no reader of the header is sent past the end.
  v.SizeImage = (sizeImage == 0 || sizeImage > available) ? v.PixelSize : sizeImage;
  return v;
}

BitmapVerdict CheckBitmapFile(const uint8_t* file, size_t size) {
  BitmapReadPlan plan = PlanBitmapRead(file, size);
  if (plan.Fault != BitmapFault::None) return Refuse(plan.Fault);
  // Like the loader, only the announced bytes are taken: what follows them
  // never becomes part of the picture.
  size_t got = size - kFileHeaderSize;
  if (got > plan.BlockSize) got = plan.BlockSize;
  BitmapFault read = CheckBlockRead(plan.BlockSize, got);
  if (read != BitmapFault::None) return Refuse(read);
  return CheckBitmapBlock(file + kFileHeaderSize, got, plan.OffBits);
}
