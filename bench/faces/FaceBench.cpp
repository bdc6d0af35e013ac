// What a tick costs the faces. Draws the analog face into a memory bitmap
// with the clock's own painter and times a second-hand-only cycle against a
// full redraw, then counts, for each display, how many of 60 consecutive
// ticks draw anything at all. Prints figures; not a test.
#include <windows.h>
#include <cstdio>
#include <new>
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "face/ClockPainter.h"
#include "timer/TickState.h"
#include "timer/rules/TickRules.h"

namespace {

HWND MakeHiddenWindow(int width, int height) {
  WNDCLASSA wc = {};
  wc.style = CS_OWNDC;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "TivoraFaceBench";
  RegisterClassA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "bench", WS_POPUP, 0, 0, width, height, nullptr,
                         nullptr, wc.hInstance, nullptr);
}

struct Surface {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  Surface(int width, int height) {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    previous = SelectObject(dc, bitmap);
  }
  ~Surface() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return double(c.QuadPart) / double(f.QuadPart);
}

// Microseconds per drawing cycle, the best of several rounds.
double TimeCycles(ClockPainter& painter, HDC dc, bool full, int cycles) {
  double best = 1e30;
  for (int round = 0; round < 5; ++round) {
    double start = Now();
    for (int i = 0; i < cycles; ++i) {
      Tick.TickTime.wSecond = WORD(i % 60);
      painter.BeginDrawingOn(dc);
      painter.Draw(App->Scene(), full);
      painter.EndDrawing();
    }
    GdiFlush();
    double perCycle = (Now() - start) * 1e6 / cycles;
    if (perCycle < best) best = perCycle;
  }
  return best;
}

void TimeAnalog(int width, int height) {
  HWND window = MakeHiddenWindow(width, height);
  ClockPainter* painter = new (std::nothrow)
      ClockPainter(window, width, height, App->Font.BkColor(), true, false);
  if (!painter) return;
  Surface surface(width, height);
  Tick.TickTime.wHour = 10;
  Tick.TickTime.wMinute = 8;
  const int cycles = 2000;
  double second = TimeCycles(*painter, surface.dc, false, cycles);
  double full = TimeCycles(*painter, surface.dc, true, cycles);
  std::printf("analog %3dx%-3d radius %3d   second hand only %8.2f us   full redraw %8.2f us"
              "   full / second %5.1f\n",
              width, height, painter->Radius, second, full, full / second);
  delete painter;
  DestroyWindow(window);
}

// Ticks of one minute, 30 s into it, with the flags kept as the tick keeps them.
int TicksThatDraw(TickFace face, bool seconds) {
  ClockTime last;
  last.Year = 2002;
  last.Month = 3;
  last.Day = 14;
  last.Hour = 10;
  last.Minute = 0;
  last.Second = 29;
  bool minuteChanged = false, fullPending = false;
  int drawing = 0;
  for (int i = 0; i < 60; ++i) {
    ClockTime now = last;
    int total = 30 + i;
    now.Minute = uint16_t(total / 60);
    now.Second = uint16_t(total % 60);
    TickInput in;
    in.Now = now;
    in.TickTime = in.TitleDate = last;
    in.MinuteChanged = minuteChanged;
    in.FullRedrawPending = fullPending;
    in.Face = face;
    in.ShowSeconds = seconds;
    if (DecideTick(in).Redraw != TickRedraw::Nothing) ++drawing;
    minuteChanged = fullPending = false;
    last = now;
  }
  return drawing;
}

void CountDrawingTicks() {
  struct Display {
    const char* name;
    TickFace face;
    bool seconds;
  } displays[] = {
      {"digital", TickFace::Digital, false},
      {"digital with seconds", TickFace::Digital, true},
      {"transparent digital", TickFace::TransparentDigital, false},
      {"transparent digital with seconds", TickFace::TransparentDigital, true},
      {"analog", TickFace::Analog, false},
      {"analog with seconds", TickFace::Analog, true},
  };
  std::printf("\nticks of 60 that draw anything:\n");
  for (const Display& d : displays)
    std::printf("  %-34s %2d of 60\n", d.name, TicksThatDraw(d.face, d.seconds));
}

}  // namespace

int main() {
  App = new (std::nothrow) ClockApp(GetModuleHandleA(nullptr), nullptr, SW_HIDE);
  if (!App) return 1;
  App->Font.SetBkColor(0x00C0C0C0);
  App->Flags.SetFlag(OnAnalog, true);
  App->Flags.SetFlag(OnSecond, true);
  std::printf("analog drawing cycles into a memory bitmap (best of 5 rounds of 2000)\n");
  TimeAnalog(116, 45);     // the default window
  TimeAnalog(108, 108);
  TimeAnalog(300, 300);
  CountDrawingTicks();
  delete App;
  App = nullptr;
  return 0;
}
