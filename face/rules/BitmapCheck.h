#pragma once
#include <cstddef>
#include <cstdint>

// The checks that a .bmp file passes before the background picture holds it.
// They look only at the bytes read from the file, so that nothing the file
// says can make the stretched drawing read outside the memory that holds it.
// The loader reads a file in two steps, the file header and then the block it
// announces, and asks these functions after each read, in this order:
// PlanBitmapRead, CheckBlockRead, CheckBitmapBlock. CheckBitmapFile takes the
// same steps on a whole file held in memory.

// Why a file is refused; each has its own message for the user.
enum class BitmapFault : uint8_t {
  None,
  HeaderShort,     // fewer than the 14 bytes of the file header
  BadMagic,        // does not start with the letters B and M
  NoMemory,        // the announced size can't be held in one block
  ShortRead,       // the file ends before the size its header announces
  InfoHeaderSize,  // the information header is not the 40-byte kind
  Damaged,         // header, colour table or pixels reach past the data read
  NoPixels,        // width or height is zero
  Unsupported,     // a bit count or compression the stretched drawing can't show
};

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kBitmapMagic = 0x4D42;  // "BM" read little-endian
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionBitFields = 3;
constexpr uint32_t kBitFieldMasksSize = 12;  // red, green and blue masks

// What the checks found: the fault, or where the colour table and the pixels
// lie in the block and the values to store back into its information header.
struct BitmapVerdict {
  BitmapFault Fault = BitmapFault::None;
  uint32_t ColorCount = 0;   // colour-table entries after the header (and masks)
  uint32_t ColorTableOffset = kInfoHeaderSize;
  uint32_t PixelOffset = 0;  // first pixel byte, counted from the block's start
  uint32_t PixelSize = 0;    // bytes of pixel rows the drawing reads
  uint32_t Width = 0;
  uint32_t Rows = 0;         // the height, whichever way the rows are stored
  bool TopDown = false;      // rows stored from the top (negative height)
  uint32_t ClrUsed = 0;      // biClrUsed to store: the colour count when it was zero
  uint32_t SizeImage = 0;    // biSizeImage to store: never more than the block holds
};

// What the file header decides: the fault, or the block to read next.
struct BitmapReadPlan {
  BitmapFault Fault = BitmapFault::None;
  uint32_t BlockSize = 0;  // bytes to read after the file header, into one block
  uint32_t OffBits = 0;    // the file header's pixel offset, for CheckBitmapBlock
};

// The first step, on the bytes read from the file's start (count of them):
// HeaderShort, BadMagic, NoMemory when bfSize describes no block, or None.
BitmapReadPlan PlanBitmapRead(const uint8_t* header, size_t count);

// The second step: ShortRead when fewer than the announced bytes arrived.
BitmapFault CheckBlockRead(uint32_t announced, size_t got);

// Bytes of the block that holds the rest of the file, or 0 when bfSize can't
// describe one (below the file header's own size, or beyond what a single
// read can ask for).
uint32_t BlockSizeFor(uint32_t bfSize);

// Bytes of pixel rows for a picture of this width, rows and bit count, each
// row padded to whole 32-bit words. False when that exceeds limit (the size is
// then left alone); computed so that no width or height can overflow it.
bool PixelDataSize(uint32_t bitCount, uint32_t width, uint32_t rows, uint64_t limit,
                   uint32_t* size);

// The third step, the verdict on the block: the size bytes read after the
// file header, which start with the information header. bfOffBits is the file
// header's pixel offset (0: the pixels follow the colour table).
BitmapVerdict CheckBitmapBlock(const uint8_t* block, size_t size, uint32_t bfOffBits);

// The three steps on a whole file of size bytes: the verdict the loader
// reaches on it. The block the verdict speaks of starts after the file header
// and holds PlanBitmapRead's BlockSize bytes.
BitmapVerdict CheckBitmapFile(const uint8_t* file, size_t size);
