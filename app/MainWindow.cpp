#include "app/MainWindow.h"
#include <commctrl.h>
#include <new>
#include "app/ClockApp.h"
#include "app/ContextMenu.h"
#include "app/DisplaySwitches.h"
#include "app/Globals.h"
#include "app/MouseDrag.h"
#include "app/WindowDpi.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "face/rules/KeyColor.h"
#include "settings/SettingsStore.h"
#include "timer/ClockTick.h"
#include "timer/TipWindow.h"

void PushToBottom(HWND hwnd) {
  TickSuspended = true;
  SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  TickSuspended = false;
}

void ApplyLayeredKey(HWND hwnd) {
  if (!(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return;
  COLORREF key = TransparentKeyFor(App->Font.FontColor());
  SetLayeredWindowAttributes(hwnd, key, 0, LWA_COLORKEY);
}

// --- one handler per message -------------------------------------------------

static void OnCreate(HWND hwnd) {
  App->CreateFace(hwnd);
  TimerId = SetTimer(hwnd, 1, 1000, nullptr);
  if (TimerId != 0) {
    GetLocalTime(&TickTime);
    UpdateCaption(hwnd);
  }
}

static void OnDestroy(HWND hwnd) {
  if (TimerId != 0) {
    KillTimer(hwnd, TimerId);
    TimerId = 0;
    SaveWindowPlacement(hwnd);
  }
  if (Tip) Tip->DestroyTip();
  PostQuitMessage(0);
}

// A transparent digital window moved by its caption goes back to the bottom.
static void OnMove(HWND hwnd) {
  if (!App->Flags.IsTransparentDigital()) return;
  POINT pt;
  GetCursorPos(&pt);
  LPARAM packed = MAKELPARAM(LOWORD(pt.x), LOWORD(pt.y));
  if (SendMessageA(hwnd, WM_NCHITTEST, 0, packed) == HTCAPTION) RefreshWindow(hwnd);
}

static void OnSize(HWND hwnd, LPARAM lParam) {
  TickSuspended = true;
  if (App->Analog) App->Analog->Resize(LOWORD(lParam), HIWORD(lParam));
  if (App->Flags.IsTransparentDigital()) {
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  }
  TickSuspended = false;
}

static void OnClose(HWND hwnd) {
  TickSuspended = true;
  DestroyWindow(hwnd);
}

static void OnToolTipText(LPARAM lParam) {
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code != TTN_NEEDTEXTA || !Tip) return;
  NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
  info->lpszText = const_cast<char*>(FormatDateText());
  info->hinst = nullptr;
}

static void OnLeftButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  TickSuspended = true;
  if (App->Drag) {
    App->Drag->ReleaseDrag();
    delete App->Drag;
    App->Drag = nullptr;
  }
  App->Drag = new (std::nothrow) MouseDrag(hwnd);
  if (App->Drag) App->Drag->BeginDrag(hwnd, wParam, lParam);
}

static void OnLeftButtonUp(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (App->Drag) {
    App->Drag->EndDrag(hwnd, wParam, lParam);
    App->Drag->ReleaseDrag();
    delete App->Drag;
    App->Drag = nullptr;
  }
  TickSuspended = false;
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Messages may arrive before App exists only in tests that drive a bare
  // window; nothing here is meaningful then.
  if (!App) return DefWindowProcA(hwnd, message, wParam, lParam);

  switch (message) {
    case WM_CREATE: OnCreate(hwnd); break;
    case WM_DESTROY: OnDestroy(hwnd); break;
    case WM_MOVE: OnMove(hwnd); break;
    case WM_SIZE: OnSize(hwnd, lParam); break;
    case WM_PAINT: return PaintFace(hwnd, message, wParam, lParam);
    case WM_CLOSE: OnClose(hwnd); return 0;
    case WM_ERASEBKGND:
      if (App->Flags.Has(OnTransparent) && !App->Flags.IsShaped()) return 0;
      break;
    case WM_ENDSESSION:
      // FALSE: the session goes on after all, and so does the clock.
      if (wParam) OnClose(hwnd);
      break;
    case WM_TIMECHANGE: RefreshWindow(hwnd); break;
    case WM_DPICHANGED: OnDpiChanged(hwnd, wParam, lParam); return 0;
    case WM_NOTIFY: OnToolTipText(lParam); break;
    case WM_CONTEXTMENU: return ShowContextMenu(hwnd, message, wParam, lParam);
    case WM_COMMAND: return OnCommand(hwnd, message, wParam, lParam);
    case WM_TIMER: ClockTick(hwnd); break;
    case WM_MOUSEMOVE:
      if ((wParam & MK_LBUTTON) && App->Drag) App->Drag->TrackDrag(hwnd, wParam, lParam);
      break;
    case WM_LBUTTONDOWN: OnLeftButtonDown(hwnd, wParam, lParam); break;
    case WM_LBUTTONUP: OnLeftButtonUp(hwnd, wParam, lParam); break;
    case WM_LBUTTONDBLCLK: ToggleCaption(hwnd); break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
