#pragma once
#include <windows.h>

// Small owners for what a drawing borrows from the system for one function:
// each gives it back when it goes out of scope, in the reverse order of
// taking. None can be copied, so nothing is given back twice.

// A GDI object that is ours to delete (a font, a brush, a pen, a region).
template <class Handle>
class GdiObject {
public:
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() {
    if (handle_) DeleteObject(handle_);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  Handle get() const { return handle_; }
  // Hands the object over (to a window that takes it): no longer ours.
  Handle release() {
    Handle h = handle_;
    handle_ = nullptr;
    return h;
  }

private:
  Handle handle_;
};

// An object selected into a device context, and what it displaced put back.
// Nothing happens for a null object or context.
class Selection {
public:
  Selection(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (previous_) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

private:
  HDC dc_;
  HGDIOBJ previous_;
};

// One paint request of a window, from BeginPaint to EndPaint.
class PaintScope {
public:
  explicit PaintScope(HWND window) : window_(window), paint_(), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

private:
  HWND window_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

// A window's device context, from GetDC to ReleaseDC.
class WindowDC {
public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC dc() const { return dc_; }

private:
  HWND window_;
  HDC dc_;
};

// A device context made for one drawing, deleted when it goes.
class OwnedDC {
public:
  explicit OwnedDC(HDC dc) : dc_(dc) {}
  ~OwnedDC() {
    if (dc_) DeleteDC(dc_);
  }
  OwnedDC(const OwnedDC&) = delete;
  OwnedDC& operator=(const OwnedDC&) = delete;
  HDC dc() const { return dc_; }

private:
  HDC dc_;
};

// A memory device context like another one.
class MemoryDC : public OwnedDC {
public:
  explicit MemoryDC(HDC like) : OwnedDC(CreateCompatibleDC(like)) {}
};

// A device context for the whole screen.
class ScreenDC : public OwnedDC {
public:
  ScreenDC() : OwnedDC(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)) {}
};
