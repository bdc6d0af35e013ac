// What each tick asks of the system, counted on the real main window: the
// clock's own drawing calls (through this program's import table), the
// paint and erase messages, for every tick of two simulated minutes. Prints, for each display, how many ticks draw at all and what
// the ticks between minutes and at a new minute draw; with --json, one JSON
// object instead. Not a test: bench/footprint.sh runs it beside the
// footprint figures.
#include <windows.h>
#include <cstdio>
#include <cstring>
#include <new>
#include "app/ClockApp.h"
#include "app/ClockStart.h"
#include "app/ClockTick.h"
#include "app/Globals.h"
#include "face/BackgroundImage.h"
#include "tests/win/ImportHook.h"
#include "timer/TickState.h"
#include "timer/TipWindow.h"

namespace {

// --- counting calls ---------------------------------------------------------------

enum Call {
  kLineTo, kXorLineTo, kPaintRgn, kRectangle, kFillRect, kDrawText, kTextOut, kStretchDIBits,
  kBitBlt, kUpdateLayered, kCreateBrush, kCreateFont, kCreatePen, kCreateRegion, kGetDC, kBeginPaint,
  kPaintMessage, kEraseMessage, kSetWindowPos, kCallKinds
};
const char* const kCallNames[kCallKinds] = {
  "LineTo", "LineTo(xor)", "PaintRgn", "Rectangle", "FillRect", "DrawTextW", "TextOutW",
  "StretchDIBits", "BitBlt", "UpdateLayeredWindow", "CreateSolidBrush", "CreateFontIndirectW", "CreatePen",
  "CreateRegion", "GetDC", "BeginPaint", "WM_PAINT", "WM_ERASEBKGND", "SetWindowPos"};

// Calls that put pixels on the face.
bool Draws(Call c) {
  return c <= kUpdateLayered || c == kPaintMessage || c == kEraseMessage;
}
// Calls that draw the dial or the background rather than the second hand.
bool DrawsFace(Call c) {
  return c == kPaintRgn || c == kRectangle || c == kFillRect || c == kStretchDIBits ||
         c == kBitBlt || c == kUpdateLayered || c == kEraseMessage;
}

int Counts[kCallKinds];
int CurrentRop = R2_COPYPEN;   // the clock draws into one private context

#define HOOK(name, ret, params, args, counting)                          \
  using name##Type = ret(WINAPI*) params;                               \
  name##Type Real##name = nullptr;                                      \
  ret WINAPI Counted##name params {                                     \
    counting;                                                           \
    return Real##name args;                                             \
  }

HOOK(LineTo, BOOL, (HDC dc, int x, int y), (dc, x, y),
     ++Counts[CurrentRop == R2_XORPEN ? kXorLineTo : kLineTo])
HOOK(SetROP2, int, (HDC dc, int rop), (dc, rop), CurrentRop = rop)
HOOK(PaintRgn, BOOL, (HDC dc, HRGN r), (dc, r), ++Counts[kPaintRgn])
HOOK(Rectangle, BOOL, (HDC dc, int a, int b, int c, int d), (dc, a, b, c, d), ++Counts[kRectangle])
HOOK(FillRect, int, (HDC dc, const RECT* r, HBRUSH b), (dc, r, b), ++Counts[kFillRect])
HOOK(DrawTextW, int, (HDC dc, LPCWSTR t, int n, LPRECT r, UINT f), (dc, t, n, r, f),
     if (!(f & DT_CALCRECT)) ++Counts[kDrawText])
HOOK(TextOutW, BOOL, (HDC dc, int x, int y, LPCWSTR t, int n), (dc, x, y, t, n), ++Counts[kTextOut])
HOOK(StretchDIBits, int,
     (HDC dc, int a, int b, int c, int d, int e, int f, int g, int h, const void* bits,
      const BITMAPINFO* info, UINT use, DWORD rop),
     (dc, a, b, c, d, e, f, g, h, bits, info, use, rop), ++Counts[kStretchDIBits])
HOOK(BitBlt, BOOL, (HDC dc, int a, int b, int c, int d, HDC s, int e, int f, DWORD rop),
     (dc, a, b, c, d, s, e, f, rop), ++Counts[kBitBlt])
HOOK(CreateSolidBrush, HBRUSH, (COLORREF c), (c), ++Counts[kCreateBrush])
HOOK(CreateFontIndirectW, HFONT, (const LOGFONTW* f), (f), ++Counts[kCreateFont])
HOOK(CreatePen, HPEN, (int s, int w, COLORREF c), (s, w, c), ++Counts[kCreatePen])
HOOK(CreatePolygonRgn, HRGN, (const POINT* p, int n, int m), (p, n, m), ++Counts[kCreateRegion])
HOOK(CreateEllipticRgn, HRGN, (int a, int b, int c, int d), (a, b, c, d), ++Counts[kCreateRegion])
HOOK(GetDC, HDC, (HWND w), (w), ++Counts[kGetDC])
HOOK(BeginPaint, HDC, (HWND w, LPPAINTSTRUCT p), (w, p), ++Counts[kBeginPaint])
HOOK(UpdateLayeredWindow, BOOL,
     (HWND w, HDC s, POINT* at, SIZE* size, HDC src, POINT* from, COLORREF k, BLENDFUNCTION* b,
      DWORD f),
     (w, s, at, size, src, from, k, b, f), ++Counts[kUpdateLayered])
HOOK(SetWindowPos, BOOL, (HWND w, HWND a, int x, int y, int cx, int cy, UINT f),
     (w, a, x, y, cx, cy, f), ++Counts[kSetWindowPos])

#define INSTALL(name) Real##name = PatchImport(#name, &Counted##name)

void InstallHooks() {
  INSTALL(LineTo);
  INSTALL(SetROP2);
  INSTALL(PaintRgn);
  INSTALL(Rectangle);
  INSTALL(FillRect);
  INSTALL(DrawTextW);
  INSTALL(TextOutW);
  INSTALL(StretchDIBits);
  INSTALL(BitBlt);
  INSTALL(UpdateLayeredWindow);
  INSTALL(CreateSolidBrush);
  INSTALL(CreateFontIndirectW);
  INSTALL(CreatePen);
  INSTALL(CreatePolygonRgn);
  INSTALL(CreateEllipticRgn);
  INSTALL(GetDC);
  INSTALL(BeginPaint);
  INSTALL(SetWindowPos);
}

WNDPROC ClockProc = nullptr;

LRESULT CALLBACK CountMessages(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ++Counts[kPaintMessage];
  if (message == WM_ERASEBKGND) ++Counts[kEraseMessage];
  return CallWindowProcW(ClockProc, hwnd, message, wParam, lParam);
}

// --- the clock ------------------------------------------------------------------------

void StoreFlags(uint32_t flags) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\ZEPH\\Tivora\\Settings", 0, nullptr, 0,
                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
  for (const DisplayFlagRow& row : kDisplayFlagRows) {
    DWORD v = (flags & row.Bit) ? 1 : 0;
    RegSetValueExA(key, row.ValueName, 0, REG_DWORD, reinterpret_cast<BYTE*>(&v), sizeof v);
  }
  const DWORD size[] = {150, 150};
  RegSetValueExA(key, "Width", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&size[0]), 4);
  RegSetValueExA(key, "Height", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&size[1]), 4);
  RegCloseKey(key);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT || msg.message == WM_TIMER) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

HWND OpenClock(uint32_t flags) {
  StoreFlags(flags);
  if (StartClock(GetModuleHandleA(nullptr), nullptr, SW_SHOWNORMAL) != StartResult::Running)
    return nullptr;
  // The window's own timer would tick in real time between the counted ones.
  if (Tick.TimerId) KillTimer(App->Window, Tick.TimerId);
  Tick.TimerId = 0;
  ClockProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      App->Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountMessages)));
  Pump();
  return App->Window;
}

void CloseClock() {
  if (App && App->Window) DestroyWindow(App->Window);
  Pump();
  DeleteSingleInstances();
  UnregisterClassW(kWindowClass, GetModuleHandleW(nullptr));
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

struct Summary {
  int Ticks = 0;
  int DrawingTicks = 0;
  int InnerTicks = 0;            // ticks that are not the first of a minute
  int InnerFaceTicks = 0;        // ... that drew the dial or background
  int InnerXorLines = 0;         // exclusive-or lines over all of them
  int InnerOtherLines = 0;
  int MinuteTicks = 0;
  int MinuteCalls[kCallKinds] = {};   // summed over the first ticks of minutes
  int InnerCalls[kCallKinds] = {};
};

// Two minutes of ticks a second apart, 10:07:01 to 10:09:00: two new minutes
// and the seconds between them.
Summary CountTicks(uint32_t flags) {
  Summary s;
  HWND clock = OpenClock(flags);
  if (!clock) return s;
  SYSTEMTIME now = {2002, 3, 4, 14, 10, 7, 0, 0};
  ClockTickAt(clock, now);   // the first tick after start-up redraws everything
  Pump();
  for (int i = 0; i < 120; ++i) {
    if (++now.wSecond == 60) {
      now.wSecond = 0;
      ++now.wMinute;
    }
    std::memset(Counts, 0, sizeof Counts);
    ClockTickAt(clock, now);
    Pump();
    bool drew = false, face = false;
    for (int c = 0; c < kCallKinds; ++c) {
      if (Counts[c] && Draws(Call(c))) drew = true;
      if (Counts[c] && DrawsFace(Call(c))) face = true;
    }
    ++s.Ticks;
    if (drew) ++s.DrawingTicks;
    int* sums = now.wSecond == 0 ? s.MinuteCalls : s.InnerCalls;
    for (int c = 0; c < kCallKinds; ++c) sums[c] += Counts[c];
    if (now.wSecond == 0) {
      ++s.MinuteTicks;
    } else {
      ++s.InnerTicks;
      if (face) ++s.InnerFaceTicks;
      s.InnerXorLines += Counts[kXorLineTo];
      s.InnerOtherLines += Counts[kLineTo];
    }
  }
  CloseClock();
  return s;
}

void PrintCalls(const char* label, const int* calls, int ticks) {
  std::printf("    %s:", label);
  bool any = false;
  for (int c = 0; c < kCallKinds; ++c) {
    if (!calls[c]) continue;
    std::printf(" %s %.1f", kCallNames[c], ticks ? double(calls[c]) / ticks : 0.0);
    any = true;
  }
  std::printf(any ? "\n" : " nothing\n");
}

}  // namespace

int main(int argc, char** argv) {
  bool json = argc > 1 && std::strcmp(argv[1], "--json") == 0;
  InstallHooks();
  struct Display {
    const char* Name;
    uint32_t Flags;
  } displays[] = {
      {"digital", OnBorder},
      {"digital_seconds", OnBorder | OnSecond},
      {"transparent_digital", OnTransparent},
      {"analog", OnBorder | OnAnalog},
      {"analog_seconds", OnBorder | OnAnalog | OnSecond},
  };
  if (json) std::printf("{");
  const char* sep = "";
  for (const Display& d : displays) {
    Summary s = CountTicks(d.Flags);
    double perMinute = s.Ticks ? 60.0 * s.DrawingTicks / s.Ticks : 0;
    double xorPerTick = s.InnerTicks ? double(s.InnerXorLines) / s.InnerTicks : 0;
    if (json) {
      std::printf("%s\"%s\": {\"ticks\": %d, \"drawing_ticks_per_60\": %.1f, "
                  "\"ticks_between_minutes\": %d, \"of_them_redrawing_the_face\": %d, "
                  "\"xor_lines_per_tick_between_minutes\": %.2f, "
                  "\"other_lines_between_minutes\": %d}",
                  sep, d.Name, s.Ticks, perMinute, s.InnerTicks, s.InnerFaceTicks, xorPerTick,
                  s.InnerOtherLines);
      sep = ", ";
      continue;
    }
    std::printf("%-20s %d ticks: %.1f of 60 draw; between minutes %d of %d redraw the face, "
                "%.2f exclusive-or lines a tick\n",
                d.Name, s.Ticks, perMinute, s.InnerFaceTicks, s.InnerTicks, xorPerTick);
    PrintCalls("a tick between minutes", s.InnerCalls, s.InnerTicks);
    PrintCalls("the first tick of a minute", s.MinuteCalls, s.MinuteTicks);
  }
  if (json) std::printf("}\n");
  return 0;
}
