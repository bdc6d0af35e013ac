#pragma once
#include <windows.h>
#include <cstdint>

// The picture of the transparent digital display: a 32-bit premultiplied
// top-down bitmap of the whole window, made for one drawing and handed to
// the layered window, which the system blends pixel by pixel over what lies
// behind it.
class LayeredSurface {
public:
  LayeredSurface(int width, int height);
  ~LayeredSurface();
  LayeredSurface(const LayeredSurface&) = delete;
  LayeredSurface& operator=(const LayeredSurface&) = delete;

  // False when the bitmap could not be made; nothing is drawn then.
  bool Ready() const { return Bits != nullptr; }
  int Width() const { return SurfaceWidth; }
  int Height() const { return SurfaceHeight; }
  // A pixel as 0xAARRGGBB, premultiplied.
  uint32_t Pixel(int x, int y) const;

  // The sizing frame round the client area (window coordinates), opaque;
  // nothing when the client area is the whole window.
  void DrawFrame(const RECT& client);
  // The text centred on one line in client, anti-aliased in the colour,
  // with the alpha of its coverage; the rest of client gets the background
  // that cannot be seen but takes clicks.
  void DrawDigits(HFONT font, COLORREF color, const wchar_t* text, int length, const RECT& client);
  // Makes the picture the window's own; true when the system took it.
  bool ShowOn(HWND window) const;

private:
  HDC Surface;
  HBITMAP Bitmap;
  HGDIOBJ PreviousBitmap;
  uint32_t* Bits;
  int SurfaceWidth;
  int SurfaceHeight;
};
