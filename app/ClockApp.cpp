#include "app/ClockApp.h"
#include <commctrl.h>
#include <new>
#include "app/ClockSettings.h"
#include "app/Globals.h"
#include "app/MainWindow.h"
#include "app/MonitorList.h"
#include "app/WindowDpi.h"
#include "app/rules/WindowLayout.h"
#include "face/BackgroundImage.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "timer/AlarmBinding.h"
#include "timer/TickState.h"
#include "timer/TipWindow.h"

const wchar_t kWindowClass[] = L"ZephTivora";

ClockApp::ClockApp(HINSTANCE instance, HINSTANCE prevInstance, int showCommand)
    : OnToolTip(false), Instance(instance), Window(nullptr), Left(0), Top(0), Width(0),
      Height(0), Dpi(DpiScale::kDesignDpi), Analog(nullptr), Digital(nullptr),
      PrevInstance(prevInstance), ShowCommand(showCommand) {
  Bitmap[0] = 0;
  BoundAlarms.Alarms = &Alarms;
  BoundAlarms.Store = SaveTimerSettings;
}

ClockApp::~ClockApp() {
  BoundAlarms = AlarmBinding();
  // While the window still has the application to tell of the capture's end.
  Drag.ReleaseDrag();
  DeleteFaces();
}

void ClockApp::SyncTip() const {
  if (Tip) Tip->SyncTip(OnToolTip, Flags.Has(OnCaption));
}

FaceScene ClockApp::Scene() const {
  FaceScene scene;
  scene.Time = ClockTimeOf(Tick.TickTime);
  scene.Flags = Flags;
  scene.Font = &Font;
  scene.UsesPicture = Flags.Has(OnBitmap) && Bitmap[0] != '\0';
  scene.Picture = Background;
  return scene;
}

// The flags are raised before the face repaints itself: an analog paint
// meets the minute's request at once, the pending full redraw stays.
void ClockApp::ResizeAnalog(int clientWidth, int clientHeight) {
  if (!Analog) return;
  Tick.MinuteChanged = Tick.FullRedrawPending = true;
  Analog->Resize(clientWidth, clientHeight, Flags.IsShaped());
}

void ClockApp::ReshapeAnalog() {
  if (!Analog) return;
  Tick.MinuteChanged = Tick.FullRedrawPending = true;
  Analog->ApplyShape(Flags.IsShaped());
}

void ClockApp::DeleteFaces() {
  delete Digital;
  Digital = nullptr;
  delete Analog;   // gives the window its rectangle back
  Analog = nullptr;
}

void ClockApp::CreateFace(HWND window) {
  DeleteFaces();
  if (Flags.Has(OnAnalog)) {
    RECT client;
    GetClientRect(window, &client);
    Tick.MinuteChanged = Tick.FullRedrawPending = true;
    Analog = new (std::nothrow) ClockPainter(window, client.right, client.bottom, Font.BkColor(),
                                             Flags.Has(OnSecond), Flags.IsShaped());
  } else {
    Digital = new (std::nothrow) DigitalFace();
  }
}

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

bool ClockApp::CreateMainWindow() {
  if (!PrevInstance && !RegisterMainClass(Instance)) return false;
  // Until the window exists, the screen's DPI is the best guess at the
  // window's; the load scales the default size and the font height by it.
  Dpi = WindowDpi(nullptr);
  LoadSettings();

  ScreenRect monitors[16];
  size_t count = ListMonitors(monitors, sizeof monitors / sizeof monitors[0]);
  Placement p = ClampPlacement({Left, Top, Width, Height}, monitors, count);
  Left = p.Left;
  Top = p.Top;
  Width = p.Width;
  Height = p.Height;

  StyleWords styles = StylesFor(Flags);
  // The common controls are initialised by the tooltip, their one user,
  // when it is made: loaded at start they would cost every clock without
  // a tooltip megabytes of memory for nothing.
  // Created hidden: a window created visible is activated on the spot, and
  // the clock must never take the focus from what the user is doing. It is
  // shown without activation below, which gives it its full style words.
  Window = CreateWindowExW(styles.ExStyle, kWindowClass, kAppName, styles.Style & ~WS_VISIBLE,
                           Left, Top, Width, Height, nullptr, nullptr, Instance, nullptr);
  if (!Window) return false;
  // A window placed on a monitor of another scale has that monitor's DPI:
  // its size is scaled for it, as its font is.
  const int windowDpi = WindowDpi(Window);
  if (windowDpi != Dpi) {
    const DpiScale to(windowDpi), from(Dpi);
    Width = to.FromScale(Width, from);
    Height = to.FromScale(Height, from);
    SetWindowPos(Window, nullptr, 0, 0, Width, Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  AdoptDpi(Window, windowDpi);
  ApplyLayering(Window);   // the floating digits' first picture, before the window shows

  Font.AttachWindow(Window, Instance);
  Background = new (std::nothrow) BackgroundImage(Window);
  // A picture switched off is not read: a stored file that has gone since
  // would hold up every start with its error box, before the clock shows.
  if (Background && Flags.Has(OnBitmap)) Background->Load(Bitmap);

  if (Flags.IsTransparentDigital()) {
    PushToBottom(Window);
  } else {
    ShowWindow(Window, SW_SHOWNOACTIVATE);
    UpdateWindow(Window);
  }
  return true;
}
