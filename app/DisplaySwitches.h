#pragma once
#include <windows.h>
#include "app/rules/SwitchRules.h"

// The window redrawn in full and put back in its band, after every command
// and whenever the system moved or re-timed it.
void RefreshWindow(HWND window);

// One display switch: its option flipped, the options that the new state
// does not allow turned off, each saved at once, and the window restyled to
// match (ApplyDisplay). The command that runs one refreshes the window after.
void SwitchDisplay(HWND window, DisplaySwitch which);

// The picture chooser; a file that loads becomes the background and is saved.
void ChooseBackgroundPicture(HWND window);
