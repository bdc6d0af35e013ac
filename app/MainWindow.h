#pragma once
#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Re-stacks the window at the bottom of the z-order (the transparent digital
// window lives there) with the tick held off meanwhile.
void PushToBottom(HWND window);

// Makes the window layered exactly when the options ask for floating digits
// (the transparent digital display without a caption), and then draws them;
// true when the style word changed.
bool ApplyLayering(HWND window);
