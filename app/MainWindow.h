#pragma once
#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Re-stacks the window at the bottom of the z-order (the transparent digital
// window lives there) with the tick held off meanwhile.
void PushToBottom(HWND window);

// Makes the window layered exactly when the options ask for the transparent
// digital display, and then gives it its look: the floating digits' picture
// without a caption, the colour key with one; true when the style word
// changed.
bool ApplyLayering(HWND window);
// The colour key of the transparent digits with a caption, which follows
// the text colour; the window is repainted in it.
void ApplyColorKey(HWND window);
