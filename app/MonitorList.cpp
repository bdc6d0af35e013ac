#include "app/MonitorList.h"
#include <windows.h>
#include "app/Globals.h"

namespace {

struct Collected {
  ScreenRect* Out;
  size_t Capacity;
  size_t Count;
};

}  // namespace

static BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  Collected& c = *reinterpret_cast<Collected*>(data);
  MONITORINFO info;
  info.cbSize = sizeof info;
  if (c.Count < c.Capacity && GetMonitorInfoW(monitor, &info)) {
    const RECT& r = info.rcWork;   // the monitor without its task bars
    c.Out[c.Count++] = ScreenRect{r.left, r.top, r.right, r.bottom};
  }
  return c.Count < c.Capacity;
}

size_t ListMonitors(ScreenRect* out, size_t capacity) {
  if (capacity == 0) return 0;
  Collected c{out, capacity, 0};
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&c));
  if (c.Count == 0) {
    out[0] = ScreenRect{0, 0, ScreenWidth, ScreenHeight};
    c.Count = 1;
  }
  return c.Count;
}

SIZE LargestMonitorSize() {
  ScreenRect monitors[16];
  const size_t count = ListMonitors(monitors, sizeof monitors / sizeof monitors[0]);
  SIZE largest = {0, 0};
  for (size_t i = 0; i < count; ++i) {
    const SIZE size = {monitors[i].Right - monitors[i].Left, monitors[i].Bottom - monitors[i].Top};
    // No monitor has anywhere near 2^31 pixels.
    if (size.cx * size.cy > largest.cx * largest.cy) largest = size;
  }
  return largest;
}

Placement PlaceOnMonitors(Placement p) {
  ScreenRect monitors[16];
  return ClampPlacement(p, monitors, ListMonitors(monitors, sizeof monitors / sizeof monitors[0]));
}
