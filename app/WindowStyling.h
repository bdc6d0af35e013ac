#pragma once
#include <windows.h>
#include "face/rules/DisplayFlags.h"

// The main window's look and place in the z-order, as the options ask.

// One display change, once App holds the options `after`: the window taken
// from what StylesFor gives for `before` to what it gives for `after` (its
// caption and sizing frame, its layering, the analog face and its round
// region, the tooltip) and put in its band of the z-order: the bottom for
// the transparent digits, the topmost band when that changed, else the top.
void ApplyDisplay(HWND window, DisplayFlags before, DisplayFlags after);

// Re-stacks the window at the bottom of the z-order (the transparent digital
// window lives there) with the tick held off meanwhile.
void PushToBottom(HWND window);

// Makes the window layered exactly when the options ask for the transparent
// digital display, and then gives it its look: the floating digits' picture
// without a caption, the colour key with one; true when the style word
// changed.
bool ApplyLayering(HWND window);
// Gives the layered window of the transparent digits its look, as above,
// with its style word as it stands: the window made at start is layered
// already by the style words it was made with.
void GiveLayeredLook(HWND window);
// The colour key of the transparent digits with a caption, which follows
// the text colour; the window is repainted in it.
void ApplyColorKey(HWND window);

// Sizes the window around the measured time text `rect`, in the width, the
// height or both: 32 pixels (at 96 DPI) wider than the text, as high as the
// text, and with a caption that and 8 more. The top-left corner stays where
// it is unless the monitor's work area needs it moved.
void FitWindowToText(HWND window, const RECT& rect, bool fitWidth, bool fitHeight);
// Measures the widest time that the digital face can show in its font now
// and fits the window to it: the width, and the height too when asked (a
// new font; the seconds change the width alone).
void FitWindowToTime(HWND window, bool fitHeight);
// Widens or heightens the digital window where it would cut the widest
// time, on the same rule; a window that holds it keeps the size it has.
void GrowToHoldTime(HWND window);
// Puts the window at the screen rectangle `r`, kept on its monitor's work
// area as a start keeps it; the transparent digits stay at the bottom of the
// z-order.
void PlaceWindow(HWND window, const RECT& r);
// Moves the window back onto its monitor's work area, as a start would
// place it; a window already there stays where it is.
void KeepOnMonitors(HWND window);
