#pragma once
#include <windows.h>
#include "app/ClockScale.h"
#include "base/DisplayDpi.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// Brings the pixel sizes that the clock holds (the font height) from the DPI
// they were made for to `dpi`, and remakes the face with them.
void AdoptDpi(HWND window, int dpi);

// WM_DPICHANGED: the window moved to a monitor of another scale, or the
// scale changed. Takes the rectangle that the system suggests and redraws
// at the new DPI.
void OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam);
