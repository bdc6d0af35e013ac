#pragma once
#include <windows.h>

// The clock's options as the registry keeps them: loaded into App once at
// start-up, and each group written from App the moment it changes (the
// placement at the end). Each save is false when a write failed.
void LoadSettings();

// Writes the window's rectangle when it differs from the one loaded (and
// the window is not minimised).
bool SaveWindowPlacement(HWND window);
bool SaveDisplaySwitch(const char* name, bool on);
bool SaveFontSettings();
bool SaveBkColor();
bool SaveBitmapPath();
bool SaveToolTipSwitch();
// The whole timer group; without the path, the stored one is left as it is.
bool SaveTimerSettings(bool withPath = true);

// After a command: when a switch, the font, a colour, the picture, the
// tooltip switch or the timer settings could not be written since the last
// call, a message owned by `owner` says so. The change holds for this run.
void ReportUnsaved(HWND owner);
