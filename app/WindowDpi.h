#pragma once
#include <windows.h>
#include "face/DisplayDpi.h"
#include "face/rules/DpiScale.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The clock's own figures at the DPI that its window is drawn at now.
DpiScale ClockScale();

// The height of a caption at the window's DPI. The system's figure is read
// once at the start, at the screen's DPI; a window on a monitor of another
// scale has a caption scaled like the rest of it.
int ClockCaptionHeight();

// Brings the pixel sizes that the clock holds (the font height) from the DPI
// they were made for to `dpi`, and remakes the face with them.
void AdoptDpi(HWND window, int dpi);

// WM_DPICHANGED: the window moved to a monitor of another scale, or the
// scale changed. Takes the rectangle that the system suggests and redraws
// at the new DPI.
void OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam);
