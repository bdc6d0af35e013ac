#pragma once
#include <windows.h>
#include "face/rules/BitmapCheck.h"

// The background picture: a .bmp file read once into one movable block,
// checked, and drawn stretched on request.
class BackgroundImage {
public:
  HWND Window;
  BITMAPFILEHEADER FileHeader;
  HGLOBAL Block;
  // Valid only while the block is locked, between LockAndParse and Unlock.
  void* Locked;
  BITMAPINFO* Info;
  RGBQUAD* ColorTable;
  DWORD ColorCount;
  void* Bits;
  LONG Rows;  // the picture's height, also for rows stored from the top

  explicit BackgroundImage(HWND window);
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
  SIZE_T BytesRead() const;
};
