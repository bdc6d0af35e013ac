// Placeholder until the alarm notification is built.
#include "timer/Dialogs.h"
INT_PTR CALLBACK AlarmNotification(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
