// Placeholder until the About box is built.
#include "timer/Dialogs.h"
INT_PTR CALLBACK AboutDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
