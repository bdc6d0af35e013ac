// The yardstick for the clock's running costs: the least a clock can be on
// Windows. One tool window, a one-second timer, and every tick repaints one
// line of text. Built with the clock's own compiler and flags, so that what
// the clock costs beyond this is the clock's doing.
#include <windows.h>

static const char kClass[] = "TivoraReference";

// Red on the button face: the clock's default digital face, so that the
// first frame is told apart the same way for both programs.
static void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[16];
  int length = wsprintfA(text, "%d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
  SetTextColor(dc, RGB(255, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, 4, 4, text, length);
  EndPaint(hwnd, &ps);
}

static LRESULT CALLBACK ReferenceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: SetTimer(hwnd, 1, 1000, nullptr); return 0;
    case WM_TIMER: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_DESTROY: KillTimer(hwnd, 1); PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ReferenceProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClass;
  if (!RegisterClassA(&wc)) return 1;
  // The clock's default size and place on the screen, shifted to the right.
  HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, kClass, kClass, WS_POPUP | WS_THICKFRAME,
                              400, 100, 116, 45, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return static_cast<int>(msg.wParam);
}
