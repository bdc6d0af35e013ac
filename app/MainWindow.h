#pragma once
#include <windows.h>

// The main window's procedure: each message goes to its handler.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
