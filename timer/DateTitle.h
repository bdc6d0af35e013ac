#pragma once
#include <windows.h>

// Sets the title "Tivora - <date>" from TickTime.
void UpdateCaption(HWND window);
// The date text of TickTime; valid until the next call.
const wchar_t* FormatDateText();
