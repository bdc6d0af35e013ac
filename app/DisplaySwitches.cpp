#include "app/DisplaySwitches.h"
#include <commdlg.h>
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
#include "timer/TickState.h"
#include "timer/TipWindow.h"

// Applies changed style bits and brings the window to the top of its band.
static void FrameRefresh(HWND hwnd) {
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

// Sets or clears bits of one style word; true when the word changed.
static bool SetStyleBits(HWND hwnd, int which, DWORD bits, bool on) {
  DWORD old = static_cast<DWORD>(GetWindowLongA(hwnd, which));
  DWORD now = on ? (old | bits) : (old & ~bits);
  if (now == old) return false;
  SetWindowLongA(hwnd, which, static_cast<LONG>(now));
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
static void EndTransparency(HWND hwnd, const SwitchStep& step) {
  bool wasLayered = SetStyleBits(hwnd, GWL_EXSTYLE, WS_EX_LAYERED, false);
  if (wasLayered) FrameRefresh(hwnd);
  ApplyStep(step);
  if (App->Analog) {
    App->ReshapeAnalog();
  } else if (wasLayered) {
    FrameRefresh(hwnd);
  }
}

static void ApplyBorderStyle(HWND hwnd) {
  SetStyleBits(hwnd, GWL_STYLE, WS_THICKFRAME, App->Flags.Has(OnBorder));
  // A transparent digital window is re-stacked by the refresh after the command.
  if (!App->Flags.IsTransparentDigital()) FrameRefresh(hwnd);
}

void RefreshWindow(HWND hwnd) {
  TickHold hold(Tick.Holds);
  Tick.FullRedrawPending = true;
  const DisplayFlags flags = App->Flags;
  if (flags.Has(OnAnalog)) {
    if (SetStyleBits(hwnd, GWL_EXSTYLE, WS_EX_LAYERED, false)) FrameRefresh(hwnd);
    if (flags.IsShaped() && App->Analog) {
      App->ReshapeAnalog();
      return;
    }
  }
  if (flags.IsTransparentDigital()) {
    RedrawTransparentDigits(hwnd);
    PushToBottom(hwnd);
    return;
  }
  Tick.MinuteChanged = true;
  RepaintNow(hwnd);
}

void ToggleCaption(HWND hwnd) {
  TickHold hold(Tick.Holds);
  SwitchPlan plan = Commit(DisplaySwitch::Caption);
  const bool on = plan.After.Has(OnCaption);
  SetStyleBits(hwnd, GWL_STYLE, WS_CAPTION | WS_SYSMENU, on);
  // Transparent digits take an ordinary window with the caption and float
  // again without it; an analog clock with a caption is never layered.
  const bool restyled = ApplyLayering(hwnd);
  App->SyncTip();

  if (plan.After.IsShaped() && App->Analog) {
    App->ReshapeAnalog();
    return;
  }
  if (plan.After.IsTransparentDigital()) {
    if (restyled && !plan.After.IsLayered()) InvalidateRect(hwnd, nullptr, TRUE);
    PushToBottom(hwnd);
  } else {
    // The outer size stays, so the client area changes and the size message
    // that follows fits the analog face (and its region) to it.
    FrameRefresh(hwnd);
  }
}

void ToggleBorder(HWND hwnd) {
  Commit(DisplaySwitch::Border);
  ApplyBorderStyle(hwnd);
}

void ToggleOnTop(HWND hwnd) {
  SwitchPlan plan = Commit(DisplaySwitch::OnTop);
  HWND band = plan.After.Has(OnTop) ? HWND_TOPMOST : HWND_NOTOPMOST;
  SetWindowPos(hwnd, band, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

void ToggleTransparent(HWND hwnd) {
  SwitchPlan plan = Commit(DisplaySwitch::Transparent);
  const bool on = plan.After.Has(OnTransparent);
  if (plan.After.Has(OnAnalog)) {
    if (plan.TurnedOff(OnBorder)) ApplyBorderStyle(hwnd);
    App->ReshapeAnalog();
    return;
  }
  // The digits float over the desktop in a layered window of per-pixel
  // alpha (an ordinary one while the caption is shown). A topmost state is
  // ended by the re-stacking at the bottom that follows the command.
  ApplyLayering(hwnd);
  if (!on) FrameRefresh(hwnd);
}

void ToggleAnalog(HWND hwnd) {
  SwitchPlan plan = SwitchRules::Plan(DisplaySwitch::Analog, App->Flags);
  // Switching the face always ends transparency, under the old face.
  EndTransparency(hwnd, plan.Steps[0]);
  Tick.FullRedrawPending = true;
  ApplyStep(plan.Steps[1]);
  App->CreateFace(hwnd);
}

void ToggleSeconds(HWND hwnd) {
  SwitchPlan plan = Commit(DisplaySwitch::Seconds);
  if (plan.Refused) {
    RefreshWindow(hwnd);
    return;
  }
  if (App->Analog) App->Analog->ShowSecond = plan.After.Has(OnSecond);
}

void ToggleBitmap(HWND) {
  // The picture stays loaded either way; the command's refresh repaints.
  Commit(DisplaySwitch::Bitmap);
}

void ChooseBackgroundPicture(HWND hwnd) {
  if (!App->Flags.Has(OnBitmap)) return;
  static const char kFilter[] =
      "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(*.bmp)\0*.bmp\0すべてのファイル(*.*)\0*.*\0";
  char path[MAX_PATH];
  path[0] = '\0';
  OPENFILENAMEA dialog;
  ZeroMemory(&dialog, sizeof dialog);
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  dialog.hwndOwner = hwnd;
  dialog.hInstance = App->Instance;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrTitle = "ファイルの選択";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&dialog)) return;

  lstrcpynA(App->Bitmap, path, sizeof App->Bitmap);
  SaveBitmapPath();
  if (Background) {
    Background->Release();
    Background->Load(App->Bitmap);
  }
  InvalidateRect(hwnd, nullptr, TRUE);
}

void FitWindowToText(HWND hwnd, const RECT& rect, bool fitWidth, bool fitHeight) {
  RECT w;
  GetWindowRect(hwnd, &w);
  const int extra = App->Flags.Has(OnCaption) ? CaptionHeight : 0;
  const DpiScale scale = ClockScale();
  const int width = fitWidth ? rect.right - rect.left + scale.ToPixels(32) : w.right - w.left;
  int height = fitHeight ? rect.bottom - rect.top : w.bottom - w.top;
  if (extra > 0) height += extra + scale.ToPixels(8);
  if (App->Flags.Has(OnTransparent)) {
    SetWindowPos(hwnd, HWND_BOTTOM, w.left, w.top, width, height,
                 SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  } else {
    MoveWindow(hwnd, w.left, w.top, width, height, TRUE);
  }
}
