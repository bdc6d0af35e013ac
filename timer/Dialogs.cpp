// Placeholder until the dialogs are built.
#include "timer/Dialogs.h"
INT_PTR CALLBACK TimerSettingsDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
INT_PTR CALLBACK AlarmNotification(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
INT_PTR CALLBACK AboutDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
