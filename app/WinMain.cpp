#include <windows.h>
#include "app/ClockStart.h"
#include "app/SessionClaim.h"
#include "app/SystemDlls.h"
#include "base/UiLanguage.h"
#include "res/resource.h"
#include "res/ProgramName.h"
#include "timer/TickState.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR, int showCommand) {
  RestrictDllSearch();
  if (!ClaimSession()) {
    CallRunningClock();
    return 0;
  }
  Tick.TickTime.wDay = 0;
  const StartResult started = StartClock(instance, prevInstance, showCommand);
  if (started == StartResult::NoMemory) return -1;
  if (started == StartResult::NoWindow) {
    DeleteSingleInstances();
    MessageBoxW(nullptr, UiText(IDS_START_FAILED), kAppName, MB_OK | MB_ICONERROR);
    return 1;
  }

  MSG msg = {};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }

  DeleteSingleInstances();
  return static_cast<int>(msg.wParam);
}
