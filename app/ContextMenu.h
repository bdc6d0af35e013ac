#pragma once
#include <windows.h>

// The pop-up menu on the right button, built afresh from the display flags.
LRESULT ShowContextMenu(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Carries out a menu command.
LRESULT OnCommand(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The menu as ShowContextMenu tracks it, for the options as they are now;
// null when no menu could be made. The caller destroys it.
HMENU BuildContextMenu();
