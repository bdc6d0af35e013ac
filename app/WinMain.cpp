#include <windows.h>
#include <new>
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "timer/TickState.h"
#include "timer/TipWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR, int showCommand) {
  Tick.TickTime.wDay = 0;
  TipHandle = nullptr;

  App = new (std::nothrow) ClockApp(instance, prevInstance, showCommand);
  if (!App) return -1;
  Tip = new (std::nothrow) TipWindow(instance, &TipHandle);
  if (!Tip) {
    delete App;
    return -1;
  }

  // Read before the window exists: the start-up clamp needs them.
  ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
  ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  CaptionHeight = GetSystemMetrics(SM_CYCAPTION);

  MSG msg = {};
  if (App->CreateMainWindow()) {
    Tip->Owner = App->Window;
    if (App->OnToolTip) TipHandle = Tip->CreateTip(App->TipToolWanted());
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

  DeleteSingleInstances();
  return static_cast<int>(msg.wParam);
}
