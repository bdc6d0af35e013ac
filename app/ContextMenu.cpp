// Placeholder until the menu is built.
#include "app/ContextMenu.h"
LRESULT ShowContextMenu(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }
LRESULT OnCommand(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }
