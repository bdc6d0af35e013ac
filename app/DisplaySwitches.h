#pragma once
#include <windows.h>

// Each switch flips its option, saves it at once, restyles the window to
// match and turns off an option that the new state does not allow.
void RefreshWindow(HWND window);
void ToggleCaption(HWND window);
void ToggleBorder(HWND window);
void ToggleOnTop(HWND window);
void ToggleTransparent(HWND window);
void ToggleAnalog(HWND window);
void ToggleSeconds(HWND window);
void ToggleBitmap(HWND window);
void ChooseBackgroundPicture(HWND window);
void FitWindowToText(HWND window, const RECT& rect, bool fitWidth, bool fitHeight);
