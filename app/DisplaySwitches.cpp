#include "app/DisplaySwitches.h"
#include <commdlg.h>
#include <new>
#include "app/ClockApp.h"
#include "app/ClockSettings.h"
#include "app/FacePainting.h"
#include "app/Globals.h"
#include "app/MainWindow.h"
#include "app/WindowDpi.h"
#include "app/rules/SwitchRules.h"
#include "face/BackgroundImage.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "settings/rules/TextCut.h"
#include "timer/TickState.h"
#include "timer/TipWindow.h"

// Applies changed style bits and brings the window to the top of its band.
static void FrameRefresh(HWND window) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

// Sets or clears bits of one style word; true when the word changed.
static bool SetStyleBits(HWND window, int which, DWORD bits, bool on) {
  DWORD old = static_cast<DWORD>(GetWindowLongW(window, which));
  DWORD now = on ? (old | bits) : (old & ~bits);
  if (now == old) return false;
  SetWindowLongW(window, which, static_cast<LONG>(now));
  return true;
}

static void ApplyStep(const SwitchStep& step) {
  App->Flags.SetFlag(step.Flag, step.On);
  SaveDisplaySwitch(SwitchRules::ValueName(step.Flag), step.On);
}

// Takes every step of the switch: options changed and written at once.
static SwitchPlan Commit(DisplaySwitch which) {
  SwitchPlan plan = SwitchRules::Plan(which, App->Flags);
  for (int i = 0; i < plan.StepCount; ++i) ApplyStep(plan.Steps[i]);
  return plan;
}


// The window half of ending transparency, while the old face is still in place.
static void EndTransparency(HWND window, const SwitchStep& step) {
  bool wasLayered = SetStyleBits(window, GWL_EXSTYLE, WS_EX_LAYERED, false);
  if (wasLayered) FrameRefresh(window);
  ApplyStep(step);
  if (App->Analog) {
    App->ReshapeAnalog();
  } else if (wasLayered) {
    FrameRefresh(window);
  }
}

static void ApplyBorderStyle(HWND window) {
  SetStyleBits(window, GWL_STYLE, WS_THICKFRAME, App->Flags.Has(OnBorder));
  // A transparent digital window is re-stacked by the refresh after the command.
  if (!App->Flags.IsTransparentDigital()) FrameRefresh(window);
}

void RefreshWindow(HWND window) {
  TickHold hold(Tick.Holds);
  Tick.FullRedrawPending = true;
  const DisplayFlags flags = App->Flags;
  if (flags.Has(OnAnalog)) {
    if (SetStyleBits(window, GWL_EXSTYLE, WS_EX_LAYERED, false)) FrameRefresh(window);
    if (flags.IsShaped() && App->Analog) {
      App->ReshapeAnalog();
      return;
    }
  }
  if (flags.IsTransparentDigital()) {
    RedrawFace(window);
    PushToBottom(window);
    return;
  }
  Tick.MinuteChanged = true;
  RepaintNow(window);
}

void ToggleCaption(HWND window) {
  TickHold hold(Tick.Holds);
  SwitchPlan plan = Commit(DisplaySwitch::Caption);
  const bool on = plan.After.Has(OnCaption);
  SetStyleBits(window, GWL_STYLE, WS_CAPTION | WS_SYSMENU, on);
  // Transparent digits take a colour-keyed window with the caption and float
  // in per-pixel alpha again without it; an analog clock with a caption is
  // never layered.
  const bool restyled = ApplyLayering(window);
  App->SyncTip();

  if (plan.After.IsShaped() && App->Analog) {
    App->ReshapeAnalog();
  } else if (plan.After.IsTransparentDigital()) {
    if (restyled && plan.After.IsColorKeyed()) InvalidateRect(window, nullptr, TRUE);
    PushToBottom(window);
  } else {
    // The outer size stays, so the client area changes and the size message
    // that follows fits the analog face (and its region) to it.
    FrameRefresh(window);
  }
  ReportUnsaved(window);
}

void ToggleBorder(HWND window) {
  Commit(DisplaySwitch::Border);
  ApplyBorderStyle(window);
}

void ToggleOnTop(HWND window) {
  SwitchPlan plan = Commit(DisplaySwitch::OnTop);
  HWND band = plan.After.Has(OnTop) ? HWND_TOPMOST : HWND_NOTOPMOST;
  SetWindowPos(window, band, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

void ToggleTransparent(HWND window) {
  SwitchPlan plan = Commit(DisplaySwitch::Transparent);
  const bool on = plan.After.Has(OnTransparent);
  if (plan.After.Has(OnAnalog)) {
    if (plan.TurnedOff(OnBorder)) ApplyBorderStyle(window);
    App->ReshapeAnalog();
    return;
  }
  // The digits float over the desktop in a layered window of per-pixel
  // alpha (a colour-keyed one while the caption is shown). A topmost state is
  // ended by the re-stacking at the bottom that follows the command.
  ApplyLayering(window);
  if (!on) FrameRefresh(window);
}

void ToggleAnalog(HWND window) {
  SwitchPlan plan = SwitchRules::Plan(DisplaySwitch::Analog, App->Flags);
  // Switching the face always ends transparency, under the old face.
  EndTransparency(window, plan.Steps[0]);
  Tick.FullRedrawPending = true;
  ApplyStep(plan.Steps[1]);
  App->CreateFace(window);
}

void ToggleSeconds(HWND window) {
  SwitchPlan plan = Commit(DisplaySwitch::Seconds);
  if (plan.Refused) {
    RefreshWindow(window);
    return;
  }
  if (App->Analog) App->Analog->ShowSecond = plan.After.Has(OnSecond);
}

void ToggleBitmap(HWND) {
  // A loaded picture stays loaded either way; the command's refresh repaints.
  // One not read at start is read now, and a failure is reported now.
  Commit(DisplaySwitch::Bitmap);
  if (App->Flags.Has(OnBitmap) && Background && !Background->Block)
    Background->Load(App->Bitmap);
}

void ChooseBackgroundPicture(HWND window) {
  if (!App->Flags.Has(OnBitmap)) return;
  static const wchar_t kFilter[] =
      L"ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(*.bmp)\0*.bmp\0すべてのファイル(*.*)\0*.*\0";
  wchar_t path[MAX_PATH];
  path[0] = 0;
  OPENFILENAMEW dialog;
  ZeroMemory(&dialog, sizeof dialog);
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  dialog.hwndOwner = window;
  dialog.hInstance = App->Instance;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = L"ファイルの選択";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&dialog)) return;
  // A path that the registry's layout cannot keep is not taken: cut, it
  // would name another file.
  if (AnsiLength(path) >= MAX_PATH) return;

  // Read into a picture of its own first: a file that fails (its error box
  // says why) leaves the picture shown and the path stored as they were.
  BackgroundImage* chosen = new (std::nothrow) BackgroundImage(window);
  if (!chosen) return;
  if (!chosen->Load(path)) {
    delete chosen;
    return;
  }
  delete Background;
  Background = chosen;
  lstrcpynW(App->Bitmap, path, MAX_PATH);
  SaveBitmapPath();
  InvalidateRect(window, nullptr, TRUE);
}

void FitWindowToText(HWND window, const RECT& rect, bool fitWidth, bool fitHeight) {
  RECT w;
  GetWindowRect(window, &w);
  const int extra = App->Flags.Has(OnCaption) ? ClockCaptionHeight() : 0;
  const DpiScale scale = ClockScale();
  const int width = fitWidth ? rect.right - rect.left + scale.ToPixels(32) : w.right - w.left;
  int height = fitHeight ? rect.bottom - rect.top : w.bottom - w.top;
  if (extra > 0) height += extra + scale.ToPixels(8);
  if (App->Flags.Has(OnTransparent)) {
    SetWindowPos(window, HWND_BOTTOM, w.left, w.top, width, height,
                 SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  } else {
    MoveWindow(window, w.left, w.top, width, height, TRUE);
  }
}
