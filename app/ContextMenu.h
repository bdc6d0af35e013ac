#pragma once
#include <windows.h>

// The pop-up menu on the right button, built afresh from the display flags.
LRESULT ShowContextMenu(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Carries out a menu command.
LRESULT OnCommand(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
