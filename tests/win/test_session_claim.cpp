#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "app/SessionClaim.h"
#include "tests/win/ClockWindowFixture.h"
#include "tests/win/ImportHook.h"

namespace {

// The clock program, built beside this test program.
std::string ClockProgram() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string p = path;
  return p.substr(0, p.find_last_of("\\/") + 1) + "tivora.exe";
}

// Starts the program and waits up to 15 s for its end: its exit code, or
// STILL_ACTIVE for a program that went on running (it is then ended).
DWORD RunToItsEnd(const std::string& program) {
  STARTUPINFOA start = {};
  start.cb = sizeof start;
  PROCESS_INFORMATION process = {};
  std::string line = "\"" + program + "\"";
  if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &start, &process))
    return ~0u;
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, 15000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

}  // namespace

TEST_F(ClockWindowTest, ASecondStartCallsTheRunningClockForwardAndEndsWithSuccess) {
  OpenClock(OnBorder);
  // This process stands for the first clock: its window, and the claim of
  // the session that the program's start makes.
  HANDLE claim = CreateMutexW(nullptr, FALSE, kSessionClaimName);
  ASSERT_NE(claim, nullptr);
  ShowWindow(Clock, SW_HIDE);
  EXPECT_EQ(RunToItsEnd(ClockProgram()), 0u) << "the second start ends at once, with success";
  Pump(20);
  EXPECT_TRUE(IsWindowVisible(Clock)) << "the running clock was told to show itself";
  EXPECT_EQ(FindWindowExW(nullptr, Clock, kWindowClass, nullptr), nullptr) << "one clock";
  CloseHandle(claim);
}

// Without its tick the clock would stand still and ring nothing: it does
// not start at all.
TEST_F(ClockWindowTest, AClockThatGetsNoTimerDoesNotStart) {
  ResetClockRegistry();
  using SetTimerCall = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC);
  const SetTimerCall refuse = [](HWND, UINT_PTR, UINT, TIMERPROC) [[gnu::stdcall]] -> UINT_PTR { return 0; };
  const SetTimerCall real = PatchImport("SetTimer", refuse);
  ASSERT_NE(real, nullptr);
  const StartResult started = StartClock(GetModuleHandleA(nullptr), nullptr, SW_SHOWNORMAL);
  PatchImport("SetTimer", real);
  EXPECT_EQ(started, StartResult::NoWindow);
  EXPECT_EQ(FindWindowW(kWindowClass, nullptr), nullptr);
}

TEST_F(ClockWindowTest, ACalledClockKeptAtTheBottomComesUpForAMomentThenGoesBack) {
  OpenClock(OnTransparent);
  HWND other = OtherWindow(false);
  ASSERT_TRUE(AtTheBottom());
  // No redraw pending that would re-stack it at the next tick anyway.
  Tick.MinuteChanged = Tick.FullRedrawPending = false;
  SendMessageA(Clock, WM_CLOCK_CALLED, 0, 0);
  EXPECT_TRUE(IsAbove(Clock, other)) << "brought up";
  Pump();
  EXPECT_TRUE(IsAbove(Clock, other));
  // Back at the bottom after a few seconds.
  for (int i = 0; i < 50 && !AtTheBottom(); ++i) Pump(10);
  EXPECT_TRUE(AtTheBottom());
}
