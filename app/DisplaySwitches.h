#pragma once
#include <windows.h>

// Each switch flips its option, saves it at once, restyles the window to
// match and turns off an option that the new state does not allow.
void RefreshWindow(HWND hwnd);
void ToggleCaption(HWND hwnd);
void ToggleBorder(HWND hwnd);
void ToggleOnTop(HWND hwnd);
void ToggleTransparent(HWND hwnd);
void ToggleAnalog(HWND hwnd);
void ToggleSeconds(HWND hwnd);
void ToggleBitmap(HWND hwnd);
void ChooseBackgroundPicture(HWND hwnd);
void FitWindowToText(HWND hwnd, const RECT& rect, bool fitWidth, bool fitHeight);
