#pragma once
#include <windows.h>

// The pop-up menu on the right button at the screen position in lParam,
// built afresh from the display flags; false when no menu could be made.
bool ShowContextMenu(HWND window, LPARAM lParam);
// Carries out a menu command.
void OnCommand(HWND window, WORD id);

// The menu as ShowContextMenu tracks it, for the options as they are now;
// null when no menu could be made. The caller destroys it.
HMENU BuildContextMenu();
