#include "app/MainWindow.h"
#include <commctrl.h>
#include "app/ClockApp.h"
#include "app/ClockFaces.h"
#include "app/ClockSettings.h"
#include "app/ClockTick.h"
#include "app/ContextMenu.h"
#include "app/DisplaySwitches.h"
#include "app/FacePainting.h"
#include "app/Globals.h"
#include "app/SessionClaim.h"
#include "app/WindowDpi.h"
#include "app/WindowStyling.h"
#include "res/resource.h"
#include "timer/DateTitle.h"
#include "timer/TickState.h"
#include "timer/TipWindow.h"

// --- one handler per message -------------------------------------------------

// A clock without its tick would stand still and ring nothing: without the
// timer the window is not made.
static bool OnCreate(HWND window) {
  Tick.TimerId = SetTimer(window, kTickTimer, kTickPeriod, nullptr);
  if (Tick.TimerId == 0) return false;
  CreateFace(window);
  GetLocalTime(&Tick.TickTime);
  // The alarms are watched from this minute on, however late the first tick.
  Tick.Watch.Begin(ClockTimeOf(Tick.TickTime));
  UpdateCaption(window);
  return true;
}

static void OnDestroy(HWND window) {
  if (Tick.TimerId != 0) {
    KillTimer(window, Tick.TimerId);
    Tick.TimerId = 0;
    SaveWindowPlacement(window);
    ReportUnsaved(nullptr);   // the window is going: the message has no owner
  }
  if (Tip) Tip->DestroyTip();
  PostQuitMessage(0);
}

// A transparent digital window moved by its caption goes back to the bottom.
static void OnMove(HWND window) {
  if (!App->Flags.IsTransparentDigital()) return;
  POINT pt;
  GetCursorPos(&pt);
  LPARAM packed = MAKELPARAM(LOWORD(pt.x), LOWORD(pt.y));
  if (SendMessageW(window, WM_NCHITTEST, 0, packed) == HTCAPTION) RefreshWindow(window);
}

static void OnSize(HWND window, LPARAM lParam) {
  TickHold hold(Tick.Holds);
  ResizeAnalog(LOWORD(lParam), HIWORD(lParam));
  if (App->Flags.IsTransparentDigital()) {
    if (App->Flags.IsLayered()) DrawLayeredDigits(window);   // the picture has the window's size
    PushToBottom(window);
  }
}

// The desktop changed (a monitor switched off, another resolution, a
// task bar moved): the clock is put back where a start would put it. It has
// no task bar button and no Alt+Tab entry, so a clock left where no monitor
// is could be brought back by nothing but a restart.
static void OnDesktopChange(HWND window) { KeepOnMonitors(window); }

// The clock kept at the bottom comes up this long when it is called.
constexpr UINT_PTR kCalledTimer = 2;
constexpr UINT kCalledPeriod = 3000;

// Another start of the clock called this one forward: shown again if it was
// hidden or minimised, without taking the focus, and flashed; the one kept
// at the bottom comes to the top for a moment instead.
static void OnCalled(HWND window) {
  ShowWindow(window, SW_SHOWNOACTIVATE);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  if (App->Flags.IsTransparentDigital()) {
    SetTimer(window, kCalledTimer, kCalledPeriod, nullptr);
  } else {
    FLASHWINFO flash = {sizeof flash, window, FLASHW_ALL, 3, 0};
    FlashWindowEx(&flash);
  }
}

static void OnTimer(HWND window, WPARAM id) {
  if (id == kCalledTimer) {
    KillTimer(window, kCalledTimer);
    RefreshWindow(window);   // back to the bottom
    return;
  }
  ClockTick(window);
}

static void OnClose(HWND window) {
  TickHold hold(Tick.Holds);
  DestroyWindow(window);
}

static void OnToolTipText(LPARAM lParam) {
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code != TTN_NEEDTEXTW || !Tip) return;
  NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
  info->lpszText = const_cast<wchar_t*>(FormatDateText());
  info->hinst = nullptr;
}

// A mouse message's position, which is in client coordinates (negative
// left of or above the window while it holds the capture), on the screen.
static POINT ScreenPointOf(HWND window, LPARAM lParam) {
  POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(window, &pt);
  return pt;
}

// The capture went to another window in the middle of a press (another
// program took it, a window popped up): no release will come, so the press
// ends here without moving the window.
static void OnCaptureChanged(HWND window, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) != window) App->Drag.ReleaseDrag();
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A window of this class without the application (made before App, or
  // after it is gone) has nothing to show or keep.
  if (!App) return DefWindowProcW(window, message, wParam, lParam);

  switch (message) {
    case WM_CREATE:
      if (!OnCreate(window)) return -1;
      break;
    case WM_DESTROY: OnDestroy(window); break;
    case WM_MOVE: OnMove(window); break;
    case WM_SIZE: OnSize(window, lParam); break;
    case WM_PAINT:
      if (PaintFace(window)) return 0;
      break;
    case WM_CLOSE: OnClose(window); return 0;
    case WM_ERASEBKGND:
      // The layered window shows only its picture, and the colour-keyed one
      // is painted whole in its key colour; every other window is erased.
      if (App->Flags.IsLayered() || App->Flags.IsColorKeyed()) return 1;
      break;
    case WM_ENDSESSION:
      // FALSE: the session goes on after all, and so does the clock.
      if (wParam) OnClose(window);
      break;
    case WM_TIMECHANGE:
      RefreshWindow(window);
      ClockTick(window);   // the new time at once, with any alarm it passed
      break;
    case WM_POWERBROADCAST:
      // Back from sleep: the time and the alarms slept through, now.
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) ClockTick(window);
      break;
    case WM_DISPLAYCHANGE: OnDesktopChange(window); break;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA) OnDesktopChange(window);
      break;
    case WM_DPICHANGED: OnDpiChanged(window, wParam, lParam); return 0;
    case WM_NOTIFY: OnToolTipText(lParam); break;
    case WM_CONTEXTMENU:
      if (ShowContextMenu(window, lParam)) return 0;
      break;
    case WM_COMMAND: OnCommand(window, LOWORD(wParam)); break;
    case WM_TIMER: OnTimer(window, wParam); break;
    case WM_CLOCK_CALLED: OnCalled(window); return 0;
    case WM_MOUSEMOVE:
      if (wParam & MK_LBUTTON)
        App->Drag.TrackDrag(window, wParam, ScreenPointOf(window, lParam), ClockScale());
      break;
    case WM_LBUTTONDOWN:
      App->Drag.BeginDrag(window, wParam, ScreenPointOf(window, lParam));
      break;
    case WM_LBUTTONUP: App->Drag.EndDrag(window, App->Flags); break;
    case WM_LBUTTONDBLCLK: OnCommand(window, IDM_CAPTION); break;
    case WM_CAPTURECHANGED: OnCaptureChanged(window, lParam); break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
