#pragma once
#include <windows.h>

// The DPI of the monitor that shows the window: GetDpiForWindow where the
// system has it, otherwise (and for no window) the screen's LOGPIXELSX.
int WindowDpi(HWND window);
