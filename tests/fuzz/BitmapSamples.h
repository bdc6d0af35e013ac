#pragma once
// Builds .bmp files byte by byte, sound ones and damaged ones, for the host
// checks, the Windows loader tests and the fuzzer's seed corpus. Plain C++:
// no Windows headers, so every test tier can use it.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>
#include "face/rules/BitmapCheck.h"

namespace samples {

using Bytes = std::vector<uint8_t>;

// Byte positions in a whole file (file header, then information header).
constexpr size_t kTypeAt = 0;
constexpr size_t kFileSizeAt = 2;
constexpr size_t kOffBitsAt = 10;
constexpr size_t kInfoSizeAt = 14;
constexpr size_t kWidthAt = 18;
constexpr size_t kHeightAt = 22;
constexpr size_t kBitCountAt = 28;
constexpr size_t kCompressionAt = 30;
constexpr size_t kSizeImageAt = 34;
constexpr size_t kClrUsedAt = 46;
constexpr size_t kTableAt = 54;

inline void Put16(Bytes& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
inline uint32_t Get32(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// One picture to write. Colours are 0xRRGGBB; for 1, 4 and 8 bits the pixel
// function gives a colour-table index instead. y counts from the top.
struct Picture {
  int32_t Width = 4;
  int32_t Height = 4;  // negative: rows stored from the top
  uint16_t BitCount = 24;
  uint32_t Compression = kCompressionRgb;
  uint32_t ClrUsed = 0;
  uint32_t SizeImage = 0;         // 0: left for the loader to fill in
  std::vector<uint32_t> Palette;  // written as the colour table
  std::vector<uint32_t> Masks;    // written before the table for BI_BITFIELDS
  bool OffBitsZero = false;       // leave bfOffBits 0: pixels follow the table
  std::function<uint32_t(int x, int y)> Pixel = [](int, int) { return 0u; };

  uint32_t RowBytes() const { return (BitCount * static_cast<uint32_t>(Width) + 31) / 32 * 4; }
  uint32_t Rows() const { return static_cast<uint32_t>(std::abs(Height)); }

  Bytes Build() const {
    uint32_t headers = kTableAt + 4 * static_cast<uint32_t>(Masks.size() + Palette.size());
    uint32_t pixels = RowBytes() * Rows();
    Bytes b(headers + pixels, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, kFileSizeAt, static_cast<uint32_t>(b.size()));
    Put32(b, kOffBitsAt, OffBitsZero ? 0 : headers);
    Put32(b, kInfoSizeAt, kInfoHeaderSize);
    Put32(b, kWidthAt, static_cast<uint32_t>(Width));
    Put32(b, kHeightAt, static_cast<uint32_t>(Height));
    Put16(b, kInfoSizeAt + 12, 1);  // planes
    Put16(b, kBitCountAt, BitCount);
    Put32(b, kCompressionAt, Compression);
    Put32(b, kSizeImageAt, SizeImage);
    Put32(b, kClrUsedAt, ClrUsed);
    size_t at = kTableAt;
    for (uint32_t m : Masks) Put32(b, at, m), at += 4;
    for (uint32_t c : Palette) Put32(b, at, c), at += 4;  // RGBQUAD is B, G, R, 0
    for (uint32_t r = 0; r < Rows(); ++r) {
      int y = Height > 0 ? static_cast<int>(Rows() - 1 - r) : static_cast<int>(r);
      for (int x = 0; x < Width; ++x) PutPixel(b, headers + r * RowBytes(), x, Pixel(x, y));
    }
    return b;
  }

 private:
  void PutPixel(Bytes& b, size_t row, int x, uint32_t v) const {
    uint32_t red = v >> 16 & 0xFF, green = v >> 8 & 0xFF, blue = v & 0xFF;
    switch (BitCount) {
      case 1: b[row + x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8)); break;
      case 4: b[row + x / 2] |= static_cast<uint8_t>((v & 15) << (x % 2 ? 0 : 4)); break;
      case 8: b[row + x] = static_cast<uint8_t>(v); break;
      case 16:  // 5-6-5 with masks, otherwise 5-5-5
        Put16(b, row + 2 * x, Masks.empty()
                                  ? (red >> 3) << 10 | (green >> 3) << 5 | blue >> 3
                                  : (red >> 3) << 11 | (green >> 2) << 5 | blue >> 3);
        break;
      case 24: b[row + 3 * x] = blue, b[row + 3 * x + 1] = green, b[row + 3 * x + 2] = red; break;
      case 32: Put32(b, row + 4 * x, v & 0xFFFFFF); break;
    }
  }
};

// Four coloured quarters, so that a drawing shows whether it is upright,
// unmirrored and stretched over the whole target.
constexpr uint32_t kTopLeft = 0xFF0000, kTopRight = 0x00FF00;
constexpr uint32_t kBottomLeft = 0x0000FF, kBottomRight = 0xFFFF00;

inline Picture Quarters(int32_t width, int32_t height, uint16_t bitCount = 24) {
  Picture p;
  p.Width = width;
  p.Height = height;
  p.BitCount = bitCount;
  int w = width, h = std::abs(height);
  bool indexed = bitCount <= 8;
  if (indexed) p.Palette = {kTopLeft, kTopRight, kBottomLeft, kBottomRight};
  if (bitCount == 1) p.Palette.resize(2);
  p.Pixel = [w, h, indexed, bitCount](int x, int y) -> uint32_t {
    int quarter = (y >= h / 2 ? 2 : 0) + (x >= w / 2 ? 1 : 0);
    if (bitCount == 1) return quarter == 0 ? 0 : 1;  // two colours: top-left and the rest
    if (indexed) return static_cast<uint32_t>(quarter);
    const uint32_t colours[] = {kTopLeft, kTopRight, kBottomLeft, kBottomRight};
    return colours[quarter];
  };
  if (indexed) p.ClrUsed = bitCount == 8 ? 0 : static_cast<uint32_t>(p.Palette.size());
  if (bitCount == 8) p.Palette.resize(256);
  return p;
}

inline Picture WithBitFields(Picture p) {
  p.Compression = kCompressionBitFields;
  p.Masks = p.BitCount == 16 ? std::vector<uint32_t>{0xF800, 0x07E0, 0x001F}
                             : std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF};
  return p;
}

// A file and the verdict the loader must reach on it.
struct Sample {
  std::string Name;
  Bytes File;
  BitmapFault Expected;
};

inline Bytes Patched32(Bytes b, size_t at, uint32_t v) { Put32(b, at, v); return b; }
inline Bytes Patched16(Bytes b, size_t at, uint32_t v) { Put16(b, at, v); return b; }
inline Bytes Cut(Bytes b, size_t keep) { b.resize(keep); return b; }
// Drops the tail and makes bfSize agree, so only the inner checks can refuse it.
inline Bytes Truncated(Bytes b, size_t keep) {
  b.resize(keep);
  Put32(b, kFileSizeAt, static_cast<uint32_t>(keep));
  return b;
}

inline std::vector<Sample> AllSamples() {
  using F = BitmapFault;
  Bytes good = Quarters(8, 4).Build();
  Bytes pal8 = Quarters(8, 4, 8).Build();
  Bytes fields16 = WithBitFields(Quarters(8, 4, 16)).Build();
  Bytes v5 = good;
  Put32(v5, kInfoSizeAt, 124);
  Bytes zip = good;
  zip[0] = 0x50, zip[1] = 0x4B;

  Picture noOffset = Quarters(8, 4, 4);
  noOffset.OffBitsZero = true;
  Picture topDown = Quarters(8, -4);
  Picture tooManyColours = Quarters(8, 4, 8);
  tooManyColours.ClrUsed = 0x40000000;
  Picture rle = Quarters(8, 4, 8);
  rle.Compression = 1;

  return {
      {"good-24", good, F::None},
      {"good-8", pal8, F::None},
      {"good-4-offbits-zero", noOffset.Build(), F::None},
      {"good-1", Quarters(9, 3, 1).Build(), F::None},
      {"good-16-bitfields", fields16, F::None},
      {"good-32-bitfields", WithBitFields(Quarters(8, 4, 32)).Build(), F::None},
      {"good-32", Quarters(8, 4, 32).Build(), F::None},
      {"good-top-down", topDown.Build(), F::None},
      {"good-trailing-bytes", [&] { Bytes b = good; b.resize(b.size() + 7, 0xAA); return b; }(),
       F::None},
      // header-short, magic-pk and bfsize-beyond-file carry a fault of a later
      // step too: the order of the steps decides which one the user is told.
      {"header-short", Cut(zip, 10), F::HeaderShort},
      {"magic-pk", Patched32(zip, kFileSizeAt, 6), F::BadMagic},
      {"bfsize-below-header", Patched32(good, kFileSizeAt, 6), F::NoMemory},
      {"bfsize-huge", Patched32(good, kFileSizeAt, 0xFFFFFFF0), F::NoMemory},
      {"bfsize-beyond-file", Patched32(Patched16(good, kBitCountAt, 3), kFileSizeAt, 100000),
       F::ShortRead},
      {"v5-header", v5, F::InfoHeaderSize},
      {"info-header-cut", Truncated(good, 30), F::Damaged},
      {"block-of-two-bytes", Truncated(good, 16), F::Damaged},
      {"offbits-beyond-block", Patched32(good, kOffBitsAt, 0x7FFFFFF0), F::Damaged},
      {"offbits-inside-file-header", Patched32(good, kOffBitsAt, 5), F::Damaged},
      {"pixels-cut", Truncated(good, good.size() - 3), F::Damaged},
      {"colour-table-beyond-block", tooManyColours.Build(), F::Damaged},
      {"palette-cut", Truncated(pal8, kTableAt + 100), F::Damaged},
      {"bitfield-masks-cut", Truncated(fields16, kTableAt + 8), F::Damaged},
      {"size-overflows", Patched32(Patched32(good, kWidthAt, 0x7FFFFFFF), kHeightAt, 0x7FFFFFFF),
       F::Damaged},
      {"width-negative", Patched32(good, kWidthAt, static_cast<uint32_t>(-8)), F::Damaged},
      {"height-most-negative", Patched32(good, kHeightAt, 0x80000000), F::Damaged},
      {"width-zero", Patched32(good, kWidthAt, 0), F::NoPixels},
      {"height-zero", Patched32(good, kHeightAt, 0), F::NoPixels},
      {"bitcount-2", Patched16(good, kBitCountAt, 2), F::Unsupported},
      {"bitcount-64", Patched16(good, kBitCountAt, 64), F::Unsupported},
      {"compression-rle8", rle.Build(), F::Unsupported},
      {"bitfields-with-24", Patched32(good, kCompressionAt, kCompressionBitFields),
       F::Unsupported},
      {"compression-png", Patched32(good, kCompressionAt, 5), F::Unsupported},
  };
}

}  // namespace samples
