#include "app/DisplaySwitches.h"
#include <commdlg.h>
#include <new>
#include "app/ClockApp.h"
#include "app/ClockFaces.h"
#include "app/ClockSettings.h"
#include "app/FacePainting.h"
#include "app/Globals.h"
#include "app/MonitorList.h"
#include "app/WindowStyling.h"
#include "app/rules/SwitchRules.h"
#include "base/FileChooser.h"
#include "face/BackgroundImage.h"
#include "res/resource.h"
#include "settings/rules/TextCut.h"
#include "timer/TickState.h"

void RefreshWindow(HWND window) {
  TickHold hold(Tick.Holds);
  Tick.AskFullRedraw();
  const DisplayFlags flags = App->Flags;
  if (flags.IsShaped() && App->Analog) {
    ReshapeAnalog();
    return;
  }
  if (flags.IsTransparentDigital()) {
    RedrawFace(window);
    PushToBottom(window);
    return;
  }
  Tick.AskFaceRedraw();
  RepaintNow(window);
}

void SwitchDisplay(HWND window, DisplaySwitch which) {
  const SwitchPlan plan = SwitchRules::Plan(which, App->Flags);
  for (int i = 0; i < plan.StepCount; ++i) {
    const SwitchStep& step = plan.Steps[i];
    App->Flags.SetFlag(step.Flag, step.On);
    SaveDisplaySwitch(SwitchRules::ValueName(step.Flag), step.On);
  }
  ApplyDisplay(window, plan.Before, App->Flags);
  // A loaded picture stays loaded either way; the command's refresh repaints.
  // One not read at start is read when it is switched on, and a failure is
  // reported now.
  if (!plan.Before.Has(OnBitmap) && App->Flags.Has(OnBitmap) && Background &&
      !Background->Block)
    Background->Load(App->Bitmap);
}

void ChooseBackgroundPicture(HWND window) {
  if (!App->Flags.Has(OnBitmap)) return;
  wchar_t path[kTextCapacity];
  if (!ChooseFileToOpen(window, IDS_PICTURE_TITLE, IDS_PICTURE_FILTER, OFN_HIDEREADONLY, path,
                        kTextCapacity))
    return;
  // A path that the registry's layout cannot keep is not taken: cut, it
  // would name another file.
  if (AnsiLength(path) >= kTextCapacity) return;

  // Read into a picture of its own first: a file that fails (its error box
  // says why) leaves the picture shown and the path stored as they were.
  BackgroundImage* chosen = new (std::nothrow) BackgroundImage(window, LargestMonitorSize());
  if (!chosen) return;
  if (!chosen->Load(path)) {
    delete chosen;
    return;
  }
  delete Background;
  Background = chosen;
  lstrcpynW(App->Bitmap, path, kTextCapacity);
  SaveBitmapPath();
  InvalidateRect(window, nullptr, TRUE);
}
