#pragma once
#include <windows.h>
#include "face/rules/BitmapCheck.h"

// The background picture: a .bmp file read once into one movable block,
// checked, and drawn stretched on request. A picture larger than the largest
// screen is kept as a copy of that screen's size in place of the file.
class BackgroundImage {
public:
  HWND Window;
  SIZE Screen;   // the largest screen: a larger picture is reduced to it
  BITMAPFILEHEADER FileHeader;
  HGLOBAL Block;
  // Valid only while the block is locked, between LockAndParse and Unlock.
  void* Locked;
  BITMAPINFO* Info;
  RGBQUAD* ColorTable;
  DWORD ColorCount;
  void* Bits;
  LONG Rows;  // the picture's height, also for rows stored from the top
  // The picture stretched to the size it was last drawn at, made once per
  // size: a big picture stretched anew at every tick would cost a second of
  // processor time in every ten.
  HBITMAP Scaled;
  SIZE ScaledSize;

  // Without a screen's size every picture is kept whole.
  explicit BackgroundImage(HWND window, SIZE largestScreen = SIZE{0x7FFFFFFF, 0x7FFFFFFF});
  ~BackgroundImage();
  BackgroundImage(const BackgroundImage&) = delete;
  BackgroundImage& operator=(const BackgroundImage&) = delete;

  bool Load(const wchar_t* path);
  void Release();
  void DrawStretched(HDC dc, const RECT& rect);
  bool Read(HANDLE file);
  bool LockAndParse();
  void Unlock();

private:
  bool Refuse(BitmapFault fault);
  HGLOBAL ReducedCopy(DWORD* size);
  void StretchFromBlock(HDC dc, int width, int height);
  // Makes the copy of this size, drawn through `copy`, unless it is held.
  bool EnsureScaled(HDC like, HDC copy, int width, int height);
  void DropScaled();
  SIZE_T BytesRead() const;
};
