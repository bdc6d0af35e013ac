#pragma once
#include <windows.h>

// The background picture: a .bmp file read once into one movable block,
// checked, and drawn stretched on request.
class BackgroundImage {
public:
  HWND Window;
  BITMAPFILEHEADER FileHeader;
  HGLOBAL Block;
  void* Locked;
  BITMAPINFO* Info;
  RGBQUAD* ColorTable;
  DWORD ColorCount;
  void* Bits;

  explicit BackgroundImage(HWND window);
  virtual ~BackgroundImage();
  BackgroundImage(const BackgroundImage&) = delete;
  BackgroundImage& operator=(const BackgroundImage&) = delete;

  bool Load(const char* path);
  void Release();
  void DrawStretched(HDC dc, const RECT& rect);
  bool Read(HFILE file);
  bool LockAndParse();
  void Unlock();
};
