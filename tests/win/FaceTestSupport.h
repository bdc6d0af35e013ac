#pragma once
// Helpers of the face and tick tests: a hidden window standing in for the
// clock's, and a memory bitmap whose pixels can be read back.
#include <windows.h>
#include <set>
#include <utility>
#include "app/Globals.h"
#include "timer/TickState.h"

// A hidden pop-up window of a class with a private device context, as the
// clock's own class has, and the given client size.
class HiddenWindow {
public:
  HiddenWindow(int width, int height) {
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc = {};
      wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
      wc.lpfnWndProc = DefWindowProcA;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      wc.lpszClassName = "TivoraFaceTest";
      registered = RegisterClassA(&wc) != 0;
    }
    handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, "TivoraFaceTest", "Tivora", WS_POPUP, 0, 0,
                              width, height, nullptr, nullptr, GetModuleHandleA(nullptr),
                              nullptr);
  }
  ~HiddenWindow() {
    if (handle_) DestroyWindow(handle_);
  }
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;
  HWND get() const { return handle_; }

private:
  HWND handle_;
};

// A 32-bit top-down memory bitmap selected into its own device context.
class MemorySurface {
public:
  MemorySurface(int width, int height, COLORREF fill) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                               nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    Fill(fill);
  }
  ~MemorySurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void Fill(COLORREF colour) {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = ToDib(colour);
  }
  // The pixel as a COLORREF (0x00BBGGRR).
  COLORREF At(int x, int y) const {
    GdiFlush();
    DWORD v = bits_[y * width_ + x] & 0x00FFFFFF;
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  // The pixels in which two surfaces of the same size differ.
  std::set<std::pair<int, int>> DifferencesTo(const MemorySurface& other) const {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (At(x, y) != other.At(x, y)) out.insert({x, y});
    return out;
  }
  // The smallest rectangle holding every pixel that is not `background`;
  // empty (right <= left) when there is none.
  RECT BoundsOfAllBut(COLORREF background) const {
    RECT r = {width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (At(x, y) != background) {
          if (x < r.left) r.left = x;
          if (y < r.top) r.top = y;
          if (x + 1 > r.right) r.right = x + 1;
          if (y + 1 > r.bottom) r.bottom = y + 1;
        }
    return r;
  }
  std::set<COLORREF> Colours() const {
    std::set<COLORREF> out;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) out.insert(At(x, y));
    return out;
  }

private:
  static DWORD ToDib(COLORREF c) {
    return (DWORD(GetRValue(c)) << 16) | (DWORD(GetGValue(c)) << 8) | GetBValue(c);
  }
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  DWORD* bits_ = nullptr;
};

// The extent of the widest minute of the day ("H:MM") in the font selected
// into `dc`: what a window fitted to the digits must hold.
inline SIZE WidestMinuteExtent(HDC dc) {
  SIZE widest = {};
  for (int minute = 0; minute < 24 * 60; ++minute) {
    char text[8];
    SIZE extent;
    GetTextExtentPoint32A(dc, text, wsprintfA(text, "%d:%02d", minute / 60, minute % 60), &extent);
    if (extent.cx > widest.cx) widest = extent;
  }
  return widest;
}

// The local time `minutes` from now.
inline ClockTime MinutesFromNow(int minutes) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  FILETIME f;
  SystemTimeToFileTime(&now, &f);
  ULARGE_INTEGER t = {{f.dwLowDateTime, f.dwHighDateTime}};
  t.QuadPart += ULONGLONG(LONGLONG(minutes) * 60 * 10000000);
  f = {t.LowPart, t.HighPart};
  FileTimeToSystemTime(&f, &now);
  return ClockTimeOf(now);
}

// Sets TickTime for one test and puts the old value back.
class ScopedTickTime {
public:
  ScopedTickTime() : saved_(Tick.TickTime) {}
  ~ScopedTickTime() { Tick.TickTime = saved_; }
  ScopedTickTime(const ScopedTickTime&) = delete;
  ScopedTickTime& operator=(const ScopedTickTime&) = delete;
  void Set(int hour, int minute, int second) {
    Tick.TickTime.wHour = WORD(hour);
    Tick.TickTime.wMinute = WORD(minute);
    Tick.TickTime.wSecond = WORD(second);
  }

private:
  SYSTEMTIME saved_;
};
