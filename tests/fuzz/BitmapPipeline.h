#pragma once
// The loader's decisions on a whole file held in memory, in the order the
// loader meets them while reading: the file header, the block it announces,
// the bytes that arrive, then the block's own checks.
#include <cstring>
#include <vector>
#include "face/rules/BitmapCheck.h"

namespace samples {

struct FileVerdict {
  BitmapVerdict Block;
  std::vector<uint8_t> Data;  // the block as read: exactly the announced bytes
};

inline FileVerdict VerdictForFile(const uint8_t* file, size_t size) {
  FileVerdict out;
  BitmapFault header = CheckFileHeader(file, size);
  if (header != BitmapFault::None) {
    out.Block.Fault = header;
    return out;
  }
  BitmapFileFields fields = ReadFileFields(file);
  uint32_t blockSize = BlockSizeFor(fields.Size);
  if (blockSize == 0) {
    out.Block.Fault = BitmapFault::NoMemory;
    return out;
  }
  if (size - kFileHeaderSize < blockSize) {
    out.Block.Fault = BitmapFault::ShortRead;
    return out;
  }
  out.Data.assign(file + kFileHeaderSize, file + kFileHeaderSize + blockSize);
  out.Block = CheckBitmapBlock(out.Data.data(), out.Data.size(), fields.OffBits);
  return out;
}

inline FileVerdict VerdictForFile(const std::vector<uint8_t>& file) {
  return VerdictForFile(file.data(), file.size());
}

}  // namespace samples
