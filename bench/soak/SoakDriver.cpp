// Drives the running clock from another process for the soak run (bench/soak.sh):
//   soak_driver state          "free", or "busy" while a dialog of the clock is
//                              open (its main window is then disabled)
//   soak_driver windows        how many windows the clock's process holds
//   soak_driver arm HH:MM      arms alarm 1 for HH:MM through the timer
//                              settings dialog, which stores it in the registry
// Fails (exit 1) when there is no clock or the dialog does not do its part.
#include <windows.h>
#include <cstdio>
#include <cstring>
#include "res/resource.h"

namespace {

HWND FindClock() { return FindWindowA("ZephTivora", nullptr); }

struct Search {
  DWORD Process;
  HWND Dialog;   // a visible dialog window of the process
  int Windows;   // every window of the process, children included
};

BOOL CALLBACK CountChild(HWND, LPARAM p) {
  ++reinterpret_cast<Search*>(p)->Windows;
  return TRUE;
}

BOOL CALLBACK LookAt(HWND w, LPARAM p) {
  Search* s = reinterpret_cast<Search*>(p);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  if (owner != s->Process) return TRUE;
  ++s->Windows;
  EnumChildWindows(w, CountChild, p);
  char cls[16] = "";
  GetClassNameA(w, cls, sizeof cls);
  if (!s->Dialog && IsWindowVisible(w) && lstrcmpA(cls, "#32770") == 0) s->Dialog = w;
  return TRUE;
}

Search LookAtProcess(DWORD process) {
  Search s = {process, nullptr, 0};
  EnumWindows(LookAt, reinterpret_cast<LPARAM>(&s));
  return s;
}

HWND WaitForDialog(DWORD process) {
  for (int i = 0; i < 100; ++i) {
    HWND d = LookAtProcess(process).Dialog;
    if (d) return d;
    Sleep(50);
  }
  return nullptr;
}

int Arm(HWND clock, DWORD process, const char* time) {
  if (!IsWindowEnabled(clock)) return 1;   // a dialog is open already
  PostMessageA(clock, WM_COMMAND, IDM_TIMER, 0);
  HWND dialog = WaitForDialog(process);
  if (!dialog) return 1;
  Sleep(200);   // let the dialog fill itself in first
  CheckRadioButton(dialog, IDC_TIMER_ON, IDC_TIMER_OFF, IDC_TIMER_ON);
  CheckDlgButton(dialog, IDC_ALARM1_ON, BST_CHECKED);
  SetDlgItemTextA(dialog, IDC_ALARM1_TIME, time);
  SetDlgItemTextA(dialog, IDC_ALARM1_MSG, "soak");
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  for (int i = 0; i < 100; ++i) {
    if (!IsWindow(dialog)) return 0;
    Sleep(50);
  }
  return 1;   // still open: the dialog refused the input
}

}  // namespace

int main(int argc, char** argv) {
  HWND clock = FindClock();
  if (argc < 2 || !clock) {
    std::puts(clock ? "usage: soak_driver state|windows|arm HH:MM" : "no clock window");
    return 1;
  }
  DWORD process = 0;
  GetWindowThreadProcessId(clock, &process);
  if (!std::strcmp(argv[1], "state")) {
    std::puts(IsWindowEnabled(clock) ? "free" : "busy");
    return 0;
  }
  if (!std::strcmp(argv[1], "windows")) {
    std::printf("%d\n", LookAtProcess(process).Windows);
    return 0;
  }
  if (!std::strcmp(argv[1], "arm") && argc > 2) return Arm(clock, process, argv[2]);
  return 1;
}
