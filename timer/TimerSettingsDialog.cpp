// Placeholder until the timer settings dialog is built.
#include "timer/Dialogs.h"
INT_PTR CALLBACK TimerSettingsDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
