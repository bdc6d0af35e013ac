#pragma once
// Counts what this process holds of the system's objects, for the leak
// tests: live GDI objects, USER objects (windows and menus) and committed
// private memory.
//
// Windows answers GetGuiResources; Wine answers 0. There the counts come
// from Wine's handle tables instead: it keeps the process's GDI objects in
// one table of 65536 entries and its menus in the USER handle table, and
// accepts a handle given by its table index alone (upper word zero), so
// trying every index with GetObjectType or IsMenu finds every live object.
#include <windows.h>
#include <ostream>

namespace gdi_count_detail {

inline bool OnWine() {
  static const bool wine =
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

inline BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

inline BOOL CALLBACK CountOwnTopLevel(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

}  // namespace gdi_count_detail

// Live GDI objects of this process: pens, brushes, fonts, regions, bitmaps,
// device contexts.
inline long CountGdiObjects() {
  if (!gdi_count_detail::OnWine())
    return static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  long live = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
  return live;
}

// Windows of this process: top-level, their children, and message-only ones.
inline long CountWindows() {
  long count = 0;
  EnumWindows(gdi_count_detail::CountOwnTopLevel, reinterpret_cast<LPARAM>(&count));
  for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
       w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr)) {
    gdi_count_detail::CountOwnTopLevel(w, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

// Menus of this process (Wine), or every USER object (Windows, where the
// system counts them itself).
inline long CountMenus() {
  if (!gdi_count_detail::OnWine())
    return static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  // USER handles: 0x20 upward in steps of two, up to 0xFFEF.
  long menus = 0;
  for (ULONG_PTR handle = 0x20; handle < 0xFFF0; handle += 2)
    if (IsMenu(reinterpret_cast<HMENU>(handle))) ++menus;
  return menus;
}

// Committed private memory: the heaps, stacks and allocations of the process.
inline SIZE_T CountPrivateBytes() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region;
  const char* at = nullptr;
  while (VirtualQuery(at, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return total;
}

// Everything at one moment; two of them subtract to the growth in between.
struct ResourceCount {
  long Gdi = 0;
  long Windows = 0;
  long Menus = 0;
  long long PrivateBytes = 0;

  static ResourceCount Now() {
    ResourceCount c;
    c.Gdi = CountGdiObjects();
    c.Windows = CountWindows();
    c.Menus = CountMenus();
    c.PrivateBytes = static_cast<long long>(CountPrivateBytes());
    return c;
  }

  ResourceCount operator-(const ResourceCount& before) const {
    ResourceCount d;
    d.Gdi = Gdi - before.Gdi;
    d.Windows = Windows - before.Windows;
    d.Menus = Menus - before.Menus;
    d.PrivateBytes = PrivateBytes - before.PrivateBytes;
    return d;
  }
};

inline std::ostream& operator<<(std::ostream& out, const ResourceCount& c) {
  return out << "GDI objects " << c.Gdi << ", windows " << c.Windows << ", menus " << c.Menus
             << ", private memory " << c.PrivateBytes / 1024 << " KiB";
}
