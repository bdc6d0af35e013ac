#include "app/WindowDpi.h"
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "timer/TickState.h"

namespace {

typedef UINT(WINAPI* DpiForWindowProc)(HWND);

// Looked up rather than imported: the clock still starts where user32 has no
// such function (before Windows 10), and then the screen's DPI serves.
DpiForWindowProc DpiForWindow() {
  static bool looked = false;
  static DpiForWindowProc proc = nullptr;
  if (!looked) {
    looked = true;
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32)
      proc = reinterpret_cast<DpiForWindowProc>(
          reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
  }
  return proc;
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace

int WindowDpi(HWND window) {
  DpiForWindowProc proc = window ? DpiForWindow() : nullptr;
  int dpi = proc ? int(proc(window)) : 0;
  if (dpi <= 0) dpi = ScreenDpi();
  return DpiScale(dpi).Dpi;
}

DpiScale ClockScale() { return DpiScale(App ? App->Dpi : DpiScale::kDesignDpi); }

void AdoptDpi(HWND window, int dpi) {
  DpiScale to(dpi);
  if (to.Dpi == App->Dpi) return;
  LONG& height = App->Font.LogFont.lfHeight;
  height = to.FromScale(height, DpiScale(App->Dpi));
  App->Dpi = to.Dpi;
  App->CreateFace(window);
}

void OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
  TickHold restyle(Tick.Holds);
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  AdoptDpi(window, HIWORD(wParam));
  if (suggested) {
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Tick.MinuteChanged = true;
  Tick.FullRedrawPending = true;
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}
