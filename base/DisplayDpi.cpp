#include "base/DisplayDpi.h"
#include "base/GdiScope.h"
#include "base/rules/DpiScale.h"

using DpiForWindowProc = UINT(WINAPI*)(HWND);

// Looked up rather than imported: the clock still starts where user32 has no
// such function (before Windows 10), and then the screen's DPI serves.
static DpiForWindowProc DpiForWindow() {
  static bool looked = false;
  static DpiForWindowProc proc = nullptr;
  if (!looked) {
    looked = true;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32)
      proc = reinterpret_cast<DpiForWindowProc>(
          reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
  }
  return proc;
}

static int ScreenDpi() {
  WindowDC screen(nullptr);
  return screen.dc() ? GetDeviceCaps(screen.dc(), LOGPIXELSX) : 0;
}

int WindowDpi(HWND window) {
  DpiForWindowProc proc = window ? DpiForWindow() : nullptr;
  int dpi = proc ? int(proc(window)) : 0;
  if (dpi <= 0) dpi = ScreenDpi();
  return DpiScale(dpi).Dpi;
}

