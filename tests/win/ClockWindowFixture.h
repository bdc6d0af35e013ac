#pragma once
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include "app/ClockApp.h"
#include "app/ClockStart.h"
#include "app/Globals.h"
#include "face/BackgroundImage.h"
#include "face/rules/DisplayFlags.h"
#include "tests/win/TestSupport.h"
#include "timer/TickState.h"
#include "timer/TipWindow.h"

// Starts the clock's main window the way the program does (App, Tip, the
// stored settings, CreateMainWindow) and takes it all down after the test.
class ClockWindowTest : public testing::Test {
protected:
  HWND Clock = nullptr;

  // Stores the given options (every other value keeps its default) and opens
  // the clock on them.
  HWND OpenClock(uint32_t flags, bool toolTip = false) {
    ResetClockRegistry();
    StoreOptions(flags, toolTip);
    return OpenStoredClock();
  }

  // Stores the display options and the tooltip switch beside whatever else
  // the registry holds.
  static void StoreOptions(uint32_t flags, bool toolTip = false) {
    for (const DisplayFlagRow& row : kDisplayFlagRows)
      PutDword("Settings", row.ValueName, (flags & row.Bit) ? 1 : 0);
    PutDword("Settings", "OnToolTip", toolTip ? 1 : 0);
  }

  // Opens the clock on whatever the registry holds; then forgets every value,
  // so that a test sees only what the clock writes afterwards.
  HWND OpenStoredClock() {
    EXPECT_EQ(StartClock(GetModuleHandleA(nullptr), nullptr, SW_SHOWNORMAL),
              StartResult::Running);
    Clock = App ? App->Window : nullptr;
    Pump();
    ResetClockRegistry();
    return Clock;
  }

  void TearDown() override { CloseClock(); }

  // The clock's messages, in the rounds that a restyle takes to settle.
  static void Pump(int rounds = 3) { PumpMessages(rounds); }

  // Ends the clock as its window's destruction does and drops the objects.
  void CloseClock() {
    for (HWND w : Others) DestroyWindow(w);
    Others.clear();
    if (Clock && IsWindow(Clock)) DestroyWindow(Clock);

    Clock = nullptr;
    DrainQuit();
    DeleteSingleInstances();
    UnregisterClassW(kWindowClass, GetModuleHandleW(nullptr));
  }

  // The window's destruction posts the quit message; it must not end the
  // modal loops of a later window in the same test.
  static void DrainQuit() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  void Command(WORD id) { SendMessageA(Clock, WM_COMMAND, id, 0); }

  // Runs a command whose modal dialog `answer` handles; gives the dialog's
  // title, empty when none showed.
  std::string CommandAnsweredBy(WORD id, DialogDriver::Action answer) {
    DialogDriver driver(std::move(answer));
    Command(id);
    return driver.Title;
  }

  // Opens the pop-up menu as a right click does; `onOpen` sees it as it
  // opens, then it is closed from inside its own tracking loop.
  LRESULT OpenContextMenu(std::function<void(HMENU)> onOpen = nullptr) {
    MenuOpened() = std::move(onOpen);
    ScopedWindowProc spy(Clock, &CloseMenuOnOpen);
    ProcBeneath() = spy.Replaced;
    LRESULT result = SendMessageA(Clock, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Clock),
                                  MAKELPARAM(150, 120));
    MenuOpened() = nullptr;
    return result;
  }

  DWORD Style() const { return static_cast<DWORD>(GetWindowLongA(Clock, GWL_STYLE)); }
  DWORD ExStyle() const { return static_cast<DWORD>(GetWindowLongA(Clock, GWL_EXSTYLE)); }

  // -1 when the value was not written.
  static long long Stored(const char* name) { return StoredNumber("Settings", name); }

  // A visible top-level window of another kind, to have something to be
  // stacked above or below.
  HWND OtherWindow(bool atBottom) {
    HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "other", WS_POPUP | WS_VISIBLE, 400, 400,
                             50, 50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Others.push_back(w);
    if (atBottom) {
      SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
    return w;
  }

  // True when no visible top-level window lies below the clock.
  bool AtTheBottom() const {
    for (HWND h = GetWindow(Clock, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT))
      if (IsWindowVisible(h)) return false;
    return true;
  }

  // The window above in z-order of the given one, skipping hidden ones.
  static bool IsAbove(HWND upper, HWND lower) {
    for (HWND h = GetWindow(lower, GW_HWNDPREV); h; h = GetWindow(h, GW_HWNDPREV))
      if (h == upper) return true;
    return false;
  }

  // What kind of region the window carries: ERROR when it has none.
  int RegionKind() const {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    int kind = GetWindowRgn(Clock, rgn);
    DeleteObject(rgn);
    return kind;
  }

private:
  std::vector<HWND> Others;

  static std::function<void(HMENU)>& MenuOpened() {
    static std::function<void(HMENU)> onOpen;
    return onOpen;
  }
  static WNDPROC& ProcBeneath() {
    static WNDPROC beneath = nullptr;
    return beneath;
  }
  static LRESULT CALLBACK CloseMenuOnOpen(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    if (message == WM_INITMENUPOPUP) {
      if (MenuOpened()) MenuOpened()(reinterpret_cast<HMENU>(wParam));
      PostMessageA(window, WM_CANCELMODE, 0, 0);
    }
    return CallWindowProcA(ProcBeneath(), window, message, wParam, lParam);
  }
};
