#include "app/ContextMenu.h"
#include <commdlg.h>
#include "app/ClockApp.h"
#include "app/ClockScale.h"
#include "app/ClockSettings.h"
#include "app/DisplaySwitches.h"
#include "app/Globals.h"
#include "app/WindowStyling.h"
#include "app/rules/MenuRules.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "base/DisplayDpi.h"
#include "base/UiLanguage.h"
#include "res/ProgramName.h"
#include "res/resource.h"
#include "settings/StartWithWindows.h"
#include "timer/AlarmBinding.h"
#include "timer/Dialogs.h"
#include "timer/TickState.h"

HMENU BuildContextMenu() {
  HMENU menu = CreatePopupMenu();
  if (!menu) return nullptr;
  MenuRules rules(App->Flags, App->OnToolTip, StartsWithWindows());
  for (int i = 0; i < MenuRules::kRowCount; ++i) {
    MenuRow row = rules.Row(i);
    if (row.IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (row.Checked ? MF_CHECKED : 0) | (row.Grey ? MF_GRAYED : 0);
    AppendMenuW(menu, flags, row.Id, UiText(row.TextId));
  }
  return menu;
}

// Where the menu opens: the click's screen position, taken signed so that a
// monitor left of or above the primary one works; a menu asked for from the
// keyboard (-1) opens at the window's corner.
static POINT MenuPosition(HWND window, LPARAM lParam) {
  POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (static_cast<DWORD>(lParam) == 0xFFFFFFFFu) {
    RECT w;
    GetWindowRect(window, &w);
    at.x = w.left;
    at.y = w.top;
  }
  return at;
}

bool ShowContextMenu(HWND window, LPARAM lParam) {
  HMENU menu = BuildContextMenu();
  if (!menu) return false;
  {
    TickHold hold(Tick.Holds);
    POINT at = MenuPosition(window, lParam);
    TrackPopupMenu(menu, 0, at.x, at.y, 0, window, nullptr);
    DestroyMenu(menu);
  }
  // A minute that began while the menu was open is caught up in full.
  Tick.AskFaceRedraw();
  return true;
}

// --- the commands that open a dialog -----------------------------------------

static void ChooseClockFont(HWND window) {
  FontSetup& font = App->Font;
  // The transparent clock sits at the bottom of the z-order; on top while
  // the dialog is open, the user sees what the choice does.
  if (App->Flags.Has(OnTransparent)) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
  }
  // The dialog reckons points at the screen's DPI; the font height held here
  // is in pixels of the window's monitor, which may have another scale.
  // Taken through the 96-DPI figure only where the two differ: at one scale
  // the round trip could move a height by a pixel.
  const DpiScale windowScale = ClockScale();
  const DpiScale dialogScale(WindowDpi(nullptr));
  const bool rescale = windowScale.Dpi != dialogScale.Dpi;
  LONG& height = font.LogFont.lfHeight;
  if (!font.ChooseFont(rescale ? dialogScale.FromScale(height, windowScale) : height)) return;
  if (rescale) height = windowScale.FromScale(height, dialogScale);
  SaveFontSettings();
  if (App->Digital) App->Digital->FontDirty = true;
  if (App->Flags.IsColorKeyed()) ApplyColorKey(window);
  FitWindowToTime(window, true);
}

static void ChooseBackgroundColor() {
  FontSetup& font = App->Font;
  if (!font.ChooseBackground()) return;
  SaveBkColor();
  if (App->Digital) App->Digital->BrushDirty = true;
  if (App->Analog) App->Analog->SetFaceColor(font.BkColor());
}

static void ToggleToolTip() {
  App->OnToolTip = !App->OnToolTip;
  SaveToolTipSwitch();
  App->SyncTip();
}

// Checked, the item starts this exe at sign-in and choosing it stops that;
// unchecked (never started, or the exe moved since), it writes this path.
static void ToggleStartWithWindows(HWND window) {
  if (!SetStartWithWindows(!StartsWithWindows()))
    MessageBoxW(window, UiText(IDS_STARTUP_FAILED), kAppName, MB_OK | MB_ICONEXCLAMATION);
}

// The minutes that the dialog was open for are caught up afterwards under
// the settings that held then: what OK changed counts from OK's minute on.
static void EditTimerSettings(HWND window) {
  const AlarmSettings before = App->Alarms;
  AlarmBinding alarms;
  alarms.Alarms = &App->Alarms;
  alarms.Store = SaveTimerSettings;
  if (UiDialogBox(App->Instance, L"SETTIMERDLG", window, TimerSettingsDialog,
                  reinterpret_cast<LPARAM>(&alarms)) != 1)
    return;
  SYSTEMTIME now;
  GetLocalTime(&now);
  Tick.Watch.Edited(before, App->Alarms, ClockTimeOf(now));
}

// --- the command table -------------------------------------------------------

void OnCommand(HWND window, WORD id) {
  // For the command, its dialog and the refresh after it.
  TickHold hold(Tick.Holds);
  switch (id) {
    case IDM_EXIT:
      DestroyWindow(window);
      return;
    case IDM_TRANSPARENT: SwitchDisplay(window, DisplaySwitch::Transparent); break;
    case IDM_FONT: ChooseClockFont(window); break;
    case IDM_BACKGROUND:
      if (App->Flags.Has(OnBitmap)) {
        ChooseBackgroundPicture(window);
      } else {
        ChooseBackgroundColor();
      }
      break;
    case IDM_BORDER: SwitchDisplay(window, DisplaySwitch::Border); break;
    case IDM_ONTOP: SwitchDisplay(window, DisplaySwitch::OnTop); break;
    case IDM_SECOND: SwitchDisplay(window, DisplaySwitch::Seconds); break;
    case IDM_TIMER: EditTimerSettings(window); break;
    case IDM_ABOUT: UiDialogBox(App->Instance, L"ABOUTDLG", window, AboutDialog, 0); break;
    case IDM_ANALOG: SwitchDisplay(window, DisplaySwitch::Analog); break;
    case IDM_CAPTION: SwitchDisplay(window, DisplaySwitch::Caption); break;
    case IDM_TOOLTIP: ToggleToolTip(); break;
    case IDM_USEBITMAP: SwitchDisplay(window, DisplaySwitch::Bitmap); break;
    case IDM_STARTUP: ToggleStartWithWindows(window); break;
    case IDM_HOUR12: SwitchDisplay(window, DisplaySwitch::Hour12); break;
  }
  RefreshWindow(window);
  ReportUnsaved(window);
}
