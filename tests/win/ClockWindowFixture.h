#pragma once
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include "app/ClockApp.h"
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
    for (const DisplayFlagRow& row : kDisplayFlagRows)
      PutDword("Settings", row.ValueName, (flags & row.Bit) ? 1 : 0);
    PutDword("Settings", "OnToolTip", toolTip ? 1 : 0);
    return OpenStoredClock();
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

  // Ends the clock as its window's destruction does and drops the objects.
  void CloseClock() {
    for (HWND w : Others) DestroyWindow(w);
    Others.clear();
    if (Clock && IsWindow(Clock)) DestroyWindow(Clock);

    Clock = nullptr;
    DrainQuit();
    DeleteSingleInstances();
    UnregisterClassA(kWindowClass, GetModuleHandleA(nullptr));
  }

  // Runs the messages that are waiting (paints, timers, posted changes).
  static void Pump(int rounds = 3) {
    for (int r = 0; r < rounds; ++r) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      Sleep(10);
    }
  }

  // The window's destruction posts the quit message; it must not end the
  // modal loops of a later window in the same test.
  static void DrainQuit() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  void Command(WORD id) { SendMessageA(Clock, WM_COMMAND, id, 0); }

  DWORD Style() const { return static_cast<DWORD>(GetWindowLongA(Clock, GWL_STYLE)); }
  DWORD ExStyle() const { return static_cast<DWORD>(GetWindowLongA(Clock, GWL_EXSTYLE)); }

  // -1 when the value was not written.
  static long long Stored(const char* name) {
    DWORD v = 0;
    return GetDword("Settings", name, &v) ? static_cast<long long>(v) : -1;
  }

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
};

// Answers the next modal dialog of this thread: once a visible dialog
// window (class "#32770") exists, the action runs on it, from a thread timer
// that the dialog's own message loop dispatches.
class DialogDriver {
public:
  using Action = std::function<void(HWND dialog)>;

  explicit DialogDriver(Action action) {
    Current() = this;
    Act = std::move(action);
    Timer = SetTimer(nullptr, 0, 50, &DialogDriver::Tick);
  }
  ~DialogDriver() {
    if (Timer) KillTimer(nullptr, Timer);
    Current() = nullptr;
  }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  bool Ran = false;
  std::string Title;   // the dialog's title, as the window text in code page 932

  static HWND FindDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &DialogDriver::IsShownDialog,
                      reinterpret_cast<LPARAM>(&found));
    return found;
  }

private:
  Action Act;
  UINT_PTR Timer = 0;
  int Waited = 0;

  // A lambda would not have the callback's calling convention on i686.
  static BOOL CALLBACK IsShownDialog(HWND w, LPARAM out) {
    char cls[16];
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(w)) {
      *reinterpret_cast<HWND*>(out) = w;
      return FALSE;
    }
    return TRUE;
  }

  static DialogDriver*& Current() {
    static DialogDriver* current = nullptr;
    return current;
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* self = Current();
    if (!self || self->Ran) return;
    HWND dialog = FindDialog();
    if (!dialog) {
      // A dialog that never shows must not hang the test.
      if (++self->Waited > 200) self->Ran = true;
      return;
    }
    self->Ran = true;
    char title[256] = "";
    GetWindowTextA(dialog, title, sizeof title);
    self->Title = title;
    self->Act(dialog);
  }
};

inline void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
