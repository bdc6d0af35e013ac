#pragma once
#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Re-stacks the window at the bottom of the z-order (the transparent digital
// window lives there) with the tick held off meanwhile.
void PushToBottom(HWND hwnd);

// Gives a layered window (the transparent digital display) its colour key,
// which follows the text colour. Does nothing for other windows.
void ApplyLayeredKey(HWND hwnd);
