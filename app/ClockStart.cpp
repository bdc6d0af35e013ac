#include "app/ClockStart.h"
#include <new>
#include "app/ClockApp.h"
#include "app/ClockSettings.h"
#include "app/Globals.h"
#include "app/MainWindow.h"
#include "app/MonitorList.h"
#include "app/WindowDpi.h"
#include "app/WindowStyling.h"
#include "app/rules/WindowLayout.h"
#include "face/BackgroundImage.h"
#include "timer/TipWindow.h"

static bool RegisterMainClass(HINSTANCE instance) {
  WNDCLASSW wc = {};
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"Tivora");
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));   // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  return RegisterClassW(&wc) != 0;
}

static bool CreateMainWindow(ClockApp& app) {
  if (!app.PrevInstance && !RegisterMainClass(app.Instance)) return false;
  // Until the window exists, the screen's DPI is the best guess at the
  // window's; the load scales the default size and the font height by it.
  app.Dpi = WindowDpi(nullptr);
  LoadSettings();

  const Placement p = PlaceOnMonitors({app.Left, app.Top, app.Width, app.Height});
  app.Left = p.Left;
  app.Top = p.Top;
  app.Width = p.Width;
  app.Height = p.Height;

  StyleWords styles = StylesFor(app.Flags);
  // Created hidden: a window created visible is activated on the spot, and
  // the clock must never take the focus from what the user is doing. It is
  // shown without activation below, which gives it its full style words.
  app.Window = CreateWindowExW(styles.ExStyle, kWindowClass, kAppName, styles.Style & ~WS_VISIBLE,
                               app.Left, app.Top, app.Width, app.Height, nullptr, nullptr,
                               app.Instance, nullptr);
  if (!app.Window) return false;
  HWND window = app.Window;
  // A window placed on a monitor of another scale has that monitor's DPI:
  // its size is scaled for it, as its font is.
  const int windowDpi = WindowDpi(window);
  if (windowDpi != app.Dpi) {
    const DpiScale to(windowDpi), from(app.Dpi);
    app.Width = to.FromScale(app.Width, from);
    app.Height = to.FromScale(app.Height, from);
    SetWindowPos(window, nullptr, 0, 0, app.Width, app.Height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  AdoptDpi(window, windowDpi);
  // A stored size too small for the stored font and seconds (chosen by a
  // form of the clock that did not fit the seconds) would cut the digits.
  if (!app.Flags.Has(OnAnalog)) GrowToHoldTime(window);
  GiveLayeredLook(window);   // the transparent digits' first look, before the window shows

  app.Font.AttachWindow(window, app.Instance);
  Background = new (std::nothrow) BackgroundImage(window, LargestMonitorSize());
  // A picture switched off is not read: a stored file that has gone since
  // would hold up every start with its error box, before the clock shows.
  if (Background && app.Flags.Has(OnBitmap)) Background->Load(app.Bitmap);

  if (app.Flags.IsTransparentDigital()) {
    PushToBottom(window);
  } else {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
  }
  return true;
}

StartResult StartClock(HINSTANCE instance, HINSTANCE prevInstance, int showCommand) {
  App = new (std::nothrow) ClockApp(instance, prevInstance, showCommand);
  if (!App) return StartResult::NoMemory;
  Tip = new (std::nothrow) TipWindow(instance);
  if (!Tip) {
    DeleteSingleInstances();
    return StartResult::NoMemory;
  }
  // Read before the window exists: the start-up clamp needs them.
  ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
  ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  CaptionHeight = GetSystemMetrics(SM_CYCAPTION);

  if (!CreateMainWindow(*App)) return StartResult::NoWindow;
  Tip->Owner = App->Window;
  if (App->OnToolTip) Tip->CreateTip(App->TipToolWanted());
  return StartResult::Running;
}

void DeleteSingleInstances() {
  delete Background;
  Background = nullptr;
  delete Tip;
  Tip = nullptr;
  delete App;
  App = nullptr;
}
