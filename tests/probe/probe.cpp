// A tiny console program that looks at the running clock from the Windows
// side, for the end-to-end tests: what X can't tell (style words, z-order,
// activation) and a few messages a user's system would send.
//   probe styles | rect | client | zorder | active
//   probe close | command ID | press ID
//   probe popup: the caption of the window the clock owns (a dialog or a
//   message box) and the texts of its controls, one a line, in UTF-8
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static HWND FindClock() {
  for (int i = 0; i < 50; ++i) {
    HWND w = FindWindowA("ZephTivora", nullptr);
    if (w) return w;
    Sleep(100);
  }
  return nullptr;
}

// Counts the visible top-level windows below the clock in the z-order.
static int VisibleWindowsBelow(HWND clock) {
  int n = 0;
  for (HWND w = GetWindow(clock, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
    if (IsWindowVisible(w)) ++n;
  return n;
}

static void PutUtf8(HWND window) {
  wchar_t text[512];
  char bytes[1536];
  // Asked of the window itself: GetWindowText would not ask an edit of
  // another process for its text.
  DWORD_PTR got = 0;
  text[0] = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, &got);
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
  std::puts(n > 0 ? bytes : "");
}

static HWND OwnedPopup(HWND clock) {
  for (int i = 0; i < 50; ++i) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
      if (IsWindowVisible(w) && GetWindow(w, GW_OWNER) == clock) return w;
    Sleep(100);
  }
  return nullptr;
}

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  HWND clock = FindClock();
  if (!clock) {
    std::puts("no clock window");
    return 1;
  }
  const char* what = argv[1];
  RECT r;
  if (!std::strcmp(what, "styles")) {
    std::printf("style=0x%08lx exstyle=0x%08lx\n",
                static_cast<unsigned long>(GetWindowLongA(clock, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(clock, GWL_EXSTYLE)));
  } else if (!std::strcmp(what, "rect")) {
    GetWindowRect(clock, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  } else if (!std::strcmp(what, "client")) {
    GetClientRect(clock, &r);
    std::printf("%ld %ld\n", r.right, r.bottom);
  } else if (!std::strcmp(what, "zorder")) {
    std::printf("topmost=%d below=%d\n",
                (GetWindowLongA(clock, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0,
                VisibleWindowsBelow(clock));
  } else if (!std::strcmp(what, "active")) {
    std::printf("%d\n", GetForegroundWindow() == clock || GetActiveWindow() == clock ? 1 : 0);
  } else if (!std::strcmp(what, "close")) {
    PostMessageA(clock, WM_CLOSE, 0, 0);
  } else if (!std::strcmp(what, "command") && argc > 2) {
    PostMessageA(clock, WM_COMMAND, std::atoi(argv[2]), 0);
  } else if (!std::strcmp(what, "press") && argc > 2) {
    // Presses a button of the dialog that the clock shows.
    HWND dialog = OwnedPopup(clock);
    HWND button = dialog ? GetDlgItem(dialog, std::atoi(argv[2])) : nullptr;
    if (!button) {
      std::puts("no such button in a dialog of the clock");
      return 1;
    }
    PostMessageA(button, BM_CLICK, 0, 0);
  } else if (!std::strcmp(what, "popup")) {
    HWND popup = OwnedPopup(clock);
    if (!popup) return 1;
    PutUtf8(popup);
    for (HWND c = GetWindow(popup, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) PutUtf8(c);
  } else {
    return 2;
  }
  return 0;
}
