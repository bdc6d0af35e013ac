#pragma once
#include <windows.h>

// Every setting lives in HKCU\Software\ZEPH\Tivora: read once at start-up,
// and written by group the moment it changes (the placement at the end).
void LoadSettings();

void SaveWindowPlacement(HWND window);
bool SaveDisplaySwitch(const char* name, bool on);
void SaveFontSettings();
bool SaveBkColor();
void SaveBitmapPath();
bool SaveToolTipSwitch();
void SaveTimerSettings();
