// Placeholder until the switches are built.
#include "app/DisplaySwitches.h"
void RefreshWindow(HWND) {}
void TransparentOff(HWND) {}
void ToggleCaption(HWND) {}
void ToggleBorder(HWND) {}
void ToggleOnTop(HWND) {}
void ToggleTransparent(HWND) {}
void ToggleAnalog(HWND) {}
void ToggleSeconds(HWND) {}
void ToggleBitmap(HWND) {}
void ChooseBackgroundPicture(HWND) {}
void FitWindowToText(HWND, const RECT&, bool, bool) {}
