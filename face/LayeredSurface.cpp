#include "face/LayeredSurface.h"
#include "base/GdiScope.h"
#include "face/rules/LayeredPixels.h"

LayeredSurface::LayeredSurface(int width, int height)
    : Surface(nullptr), Bitmap(nullptr), PreviousBitmap(nullptr), Bits(nullptr),
      SurfaceWidth(width), SurfaceHeight(height) {
  if (width <= 0 || height <= 0) return;
  Surface = CreateCompatibleDC(nullptr);
  if (!Surface) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;   // top-down: row 0 is the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap = CreateDIBSection(Surface, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!Bitmap) return;
  PreviousBitmap = SelectObject(Surface, Bitmap);
  Bits = static_cast<uint32_t*>(bits);
}

LayeredSurface::~LayeredSurface() {
  if (PreviousBitmap) SelectObject(Surface, PreviousBitmap);
  if (Bitmap) DeleteObject(Bitmap);
  if (Surface) DeleteDC(Surface);
}

uint32_t LayeredSurface::Pixel(int x, int y) const {
  GdiFlush();
  return Bits[y * SurfaceWidth + x];
}

void LayeredSurface::DrawFrame(const RECT& client) {
  if (!Ready()) return;
  RECT whole = {0, 0, SurfaceWidth, SurfaceHeight};
  if (EqualRect(&whole, &client)) return;
  // As the system draws the sizing frame of a window that is not active
  // (the clock never takes the focus): a raised edge over the border colour.
  FillRect(Surface, &whole, GetSysColorBrush(COLOR_INACTIVEBORDER));
  DrawEdge(Surface, &whole, EDGE_RAISED, BF_RECT);
  GdiFlush();
  // GDI leaves the alpha byte alone: the frame is made opaque here; the
  // client area gets its own pixels afterwards.
  for (int i = 0; i < SurfaceWidth * SurfaceHeight; ++i) Bits[i] |= 0xFF000000u;
}

void LayeredSurface::DrawDigits(HFONT font, COLORREF color, const wchar_t* text, int length,
                                const RECT& client) {
  if (!Ready()) return;
  RECT box;
  RECT whole = {0, 0, SurfaceWidth, SurfaceHeight};
  if (!IntersectRect(&box, &client, &whole)) return;
  // White on black first: the grey level of each pixel is how much of it
  // the text covers, whatever the colour it will have.
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) Bits[y * SurfaceWidth + x] = 0;
  {
    Selection selected(Surface, font);
    SetBkMode(Surface, TRANSPARENT);
    SetTextColor(Surface, RGB(255, 255, 255));
    RECT lines = client;
    ::DrawTextW(Surface, text, length, &lines, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  GdiFlush();
  for (int y = box.top; y < box.bottom; ++y) {
    uint32_t* row = Bits + y * SurfaceWidth;
    for (int x = box.left; x < box.right; ++x) row[x] = LayeredPixel(CoverageOf(row[x]), color);
  }
}

bool LayeredSurface::ShowOn(HWND window) const {
  if (!Ready()) return false;
  SIZE size = {SurfaceWidth, SurfaceHeight};
  POINT origin = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // No position: the window stays where it is.
  return UpdateLayeredWindow(window, nullptr, nullptr, &size, Surface, &origin, 0, &blend,
                             ULW_ALPHA) != FALSE;
}
