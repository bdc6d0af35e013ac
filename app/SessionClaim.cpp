#include "app/SessionClaim.h"
#include "app/ClockApp.h"

const wchar_t kSessionClaimName[] = L"Local\\ZephTivora";

bool ClaimSession() {
  // Never closed: the system lets go of it when the process ends.
  HANDLE claim = CreateMutexW(nullptr, FALSE, kSessionClaimName);
  return !claim || GetLastError() != ERROR_ALREADY_EXISTS;
}

void CallRunningClock() {
  // The first clock may still be making its window: it is given a moment.
  for (int tries = 0; tries < 50; ++tries) {
    HWND running = FindWindowW(kWindowClass, nullptr);
    if (running) {
      PostMessageW(running, WM_CLOCK_CALLED, 0, 0);
      return;
    }
    Sleep(100);
  }
}
