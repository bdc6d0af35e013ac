#include "face/BackgroundImage.h"
#include "base/GdiScope.h"
#include "base/KernelScope.h"
#include "base/UiLanguage.h"
#include "res/resource.h"

static_assert(sizeof(BITMAPFILEHEADER) == kFileHeaderSize, "the file header is read as is");
static_assert(sizeof(BITMAPINFOHEADER) == kInfoHeaderSize, "the block starts with this header");

// Each fault's text has the id of its place after IDS_BITMAP_FAULT.
static_assert(IDS_BITMAP_FAULT + int(BitmapFault::HeaderShort) == IDS_HEADER_SHORT &&
                  IDS_BITMAP_FAULT + int(BitmapFault::BadMagic) == IDS_BAD_MAGIC &&
                  IDS_BITMAP_FAULT + int(BitmapFault::Unsupported) == IDS_UNSUPPORTED,
              "the faults' texts follow their order");

static void ShowError(HWND window, const wchar_t* text) {
  MessageBoxW(window, text, UiText(IDS_ERROR), MB_ICONEXCLAMATION);
}

// Up to `count` bytes from the file's current place; the number read, 0 when
// the read fails.
static DWORD ReadBytes(HANDLE file, void* into, DWORD count) {
  DWORD got = 0;
  if (!ReadFile(file, into, count, &got, nullptr)) return 0;
  return got;
}

BackgroundImage::BackgroundImage(HWND window, SIZE largestScreen)
    : Window(window), Screen(largestScreen), FileHeader(), Block(nullptr), Locked(nullptr),
      Info(nullptr), ColorTable(nullptr), ColorCount(0), Bits(nullptr), Rows(0), Scaled(nullptr),
      ScaledSize() {}

BackgroundImage::~BackgroundImage() { Release(); }

bool BackgroundImage::Load(const wchar_t* path) {
  if (!path || !path[0]) return false;
  ReadFileScope file(path);
  if (!file.IsOpen()) {
    // wsprintf writes 1024 units at most; the precision keeps the path to 300.
    wchar_t text[1025];
    wsprintfW(text, UiText(IDS_OPEN_FAILED), path);
    ShowError(Window, text);
    return false;
  }
  bool held = Read(file.get());
  if (!held) Release();
  InvalidateRect(Window, nullptr, TRUE);
  return held;
}

bool BackgroundImage::Refuse(BitmapFault fault) {
  if (fault == BitmapFault::BadMagic) {
    wchar_t text[1025];
    wsprintfW(text, UiText(IDS_BAD_MAGIC), FileHeader.bfType);
    ShowError(Window, text);
  } else {
    ShowError(Window, UiText(IDS_BITMAP_FAULT + int(fault)));
  }
  return false;
}

bool BackgroundImage::Read(HANDLE file) {
  // What was held before goes: its block would be lost, and its scaled copy
  // would go on showing it.
  Release();
  DWORD count = ReadBytes(file, &FileHeader, kFileHeaderSize);
  BitmapReadPlan plan = PlanBitmapRead(reinterpret_cast<const uint8_t*>(&FileHeader), count);
  if (plan.Fault != BitmapFault::None) return Refuse(plan.Fault);

  // Unlike the rest of the program's memory, which comes from new, the picture
  // is a packed DIB in a movable global block (the form the clipboard's CF_DIB
  // hands one around in), locked only while it is read, checked or drawn.
  Block = GlobalAlloc(GMEM_MOVEABLE, plan.BlockSize);
  if (!Block) return Refuse(BitmapFault::NoMemory);

  // Only the announced bytes are asked for: whatever follows them in the file,
  // or in a block the allocator rounded up, never becomes part of the picture.
  DWORD got = 0;
  {
    GlobalLockScope target(Block);
    if (!target.get()) return Refuse(BitmapFault::NoMemory);
    got = ReadBytes(file, target.get(), plan.BlockSize);
  }
  BitmapFault read = CheckBlockRead(plan.BlockSize, got);
  if (read != BitmapFault::None) return Refuse(read);

  // No screen shows more of a picture than its own pixels. A picture larger
  // than the largest one, a photograph of tens of megabytes, is reduced once
  // to a copy no larger than that screen, and the file's block is let go:
  // the clock keeps what the screen can show, and every size is stretched
  // from the copy. Without memory for the copy the whole picture stays.
  bool parsed = LockAndParse();
  DWORD size = 0;
  HGLOBAL reduced = parsed ? ReducedCopy(&size) : nullptr;
  Unlock();
  if (reduced) {
    GlobalFree(Block);
    Block = reduced;
    // The headers that a file of the copy would have.
    FileHeader.bfSize = kFileHeaderSize + size;
    FileHeader.bfOffBits = kFileHeaderSize + kInfoHeaderSize;
  }
  return parsed;
}

// A block that holds a picture packed as the file holds it after its file
// header: the information header, then the pixels; null without memory.
static HGLOBAL PackedPicture(const BITMAPINFOHEADER& header, const void* pixels) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, header.biSize + header.biSizeImage);
  GlobalLockScope to(block);
  if (!to.get()) return nullptr;   // no memory: a block once made always locks
  CopyMemory(to.get(), &header, header.biSize);
  CopyMemory(static_cast<BYTE*>(to.get()) + header.biSize, pixels, header.biSizeImage);
  return block;
}

// A 24-bit copy of the locked picture no larger than the screen, packed in a
// block of its own of `size` bytes; null when the picture is not larger or
// memory is short. The system's halftone stretching averages the pixels that
// the copy leaves out, where the usual stretching would keep some and drop
// the others.
HGLOBAL BackgroundImage::ReducedCopy(DWORD* size) {
  const LONG width = Info->bmiHeader.biWidth < Screen.cx ? Info->bmiHeader.biWidth : Screen.cx;
  const LONG rows = Rows < Screen.cy ? Rows : Screen.cy;
  if (width == Info->bmiHeader.biWidth && rows == Rows) return nullptr;
  // Rows of whole 32-bit words; a screen's size keeps them within 32 bits.
  const DWORD pixelBytes = (DWORD(width) * 3 + 3) / 4 * 4 * DWORD(rows);
  BITMAPINFO info = {};
  BITMAPINFOHEADER& header = info.bmiHeader;
  header = {kInfoHeaderSize, width, rows, 1, 24, BI_RGB, pixelBytes, 0, 0, 0, 0};

  MemoryDC dc(nullptr);
  void* pixels = nullptr;
  GdiObject<HBITMAP> section(
      dc.dc() ? CreateDIBSection(dc.dc(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0) : nullptr);
  if (!section.get()) return nullptr;
  {
    Selection into(dc.dc(), section.get());
    SetStretchBltMode(dc.dc(), HALFTONE);
    SetBrushOrgEx(dc.dc(), 0, 0, nullptr);
    if (!StretchDIBits(dc.dc(), 0, 0, width, rows, 0, 0, Info->bmiHeader.biWidth, Rows, Bits, Info,
                       DIB_RGB_COLORS, SRCCOPY))
      return nullptr;
  }
  GdiFlush();
  *size = kInfoHeaderSize + pixelBytes;
  return PackedPicture(header, pixels);
}

SIZE_T BackgroundImage::BytesRead() const {
  SIZE_T capacity = GlobalSize(Block);
  SIZE_T announced = BlockSizeFor(FileHeader.bfSize);
  return announced < capacity ? announced : capacity;
}

bool BackgroundImage::LockAndParse() {
  Locked = GlobalLock(Block);
  if (!Locked) return false;
  const uint8_t* bytes = static_cast<const uint8_t*>(Locked);
  BitmapVerdict v = CheckBitmapBlock(bytes, BytesRead(), FileHeader.bfOffBits);
  if (v.Fault != BitmapFault::None) return Refuse(v.Fault);

  Info = static_cast<BITMAPINFO*>(Locked);
  // Stored back so that the drawing, and the next parse, find them set.
  Info->bmiHeader.biClrUsed = v.ClrUsed;
  Info->bmiHeader.biSizeImage = v.SizeImage;
  ColorCount = v.ColorCount;
  ColorTable = Info->bmiColors;
  Bits = static_cast<uint8_t*>(Locked) + v.PixelOffset;
  Rows = static_cast<LONG>(v.Rows);
  return true;
}

void BackgroundImage::Unlock() {
  if (Block && Locked) GlobalUnlock(Block);
  Locked = nullptr;
  Info = nullptr;
  ColorTable = nullptr;
  ColorCount = 0;
  Bits = nullptr;
  Rows = 0;
}

void BackgroundImage::Release() {
  DropScaled();
  if (Block) {
    Unlock();
    GlobalFree(Block);
    Block = nullptr;
  }
  ZeroMemory(&FileHeader, sizeof FileHeader);
}

void BackgroundImage::StretchFromBlock(HDC dc, int width, int height) {
  // The absolute height as the source height draws rows stored from the top
  // upright as well: the sign in the header tells the system their order.
  if (LockAndParse())
    StretchDIBits(dc, 0, 0, width, height, 0, 0, Info->bmiHeader.biWidth, Rows, Bits, Info,
                  DIB_RGB_COLORS, SRCCOPY);
  Unlock();
}

bool BackgroundImage::EnsureScaled(HDC like, HDC copy, int width, int height) {
  if (Scaled && ScaledSize.cx == width && ScaledSize.cy == height) return true;
  DropScaled();
  Scaled = CreateCompatibleBitmap(like, width, height);
  if (!Scaled) return false;
  ScaledSize = {width, height};
  Selection into(copy, Scaled);
  StretchFromBlock(copy, width, height);
  return true;
}

void BackgroundImage::DropScaled() {
  if (Scaled) DeleteObject(Scaled);
  Scaled = nullptr;
  ScaledSize = {};
}

void BackgroundImage::DrawStretched(HDC dc, const RECT& rect) {
  if (!Block) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  // One memory context makes the copy, when there is none of this size, and
  // draws from it.
  MemoryDC copy(dc);
  if (copy.dc() && EnsureScaled(dc, copy.dc(), width, height)) {
    Selection from(copy.dc(), Scaled);
    if (BitBlt(dc, 0, 0, width, height, copy.dc(), 0, 0, SRCCOPY)) return;
  }
  // No memory for the copy, or it could not be drawn: stretched from the block.
  StretchFromBlock(dc, width, height);
}
