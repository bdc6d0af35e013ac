#include "app/Globals.h"
#include <new>
#include "app/ClockApp.h"
#include "face/BackgroundImage.h"
#include "timer/TipWindow.h"

ClockApp* App = nullptr;
TipWindow* Tip = nullptr;
HWND TipHandle = nullptr;
BackgroundImage* Background = nullptr;

int ScreenWidth = 0;
int ScreenHeight = 0;
int CaptionHeight = 0;

RECT TextRect = {};

StartResult StartClock(HINSTANCE instance, HINSTANCE prevInstance, int showCommand) {
  TipHandle = nullptr;
  App = new (std::nothrow) ClockApp(instance, prevInstance, showCommand);
  if (!App) return StartResult::NoMemory;
  Tip = new (std::nothrow) TipWindow(instance, &TipHandle);
  if (!Tip) {
    delete App;
    App = nullptr;
    return StartResult::NoMemory;
  }
  // Read before the window exists: the start-up clamp needs them.
  ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
  ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  CaptionHeight = GetSystemMetrics(SM_CYCAPTION);

  if (!App->CreateMainWindow()) return StartResult::NoWindow;
  Tip->Owner = App->Window;
  if (App->OnToolTip) TipHandle = Tip->CreateTip(App->TipToolWanted());
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
