#pragma once
#include <windows.h>

// The main window's drawing of whichever face it shows, with what App holds
// now (its scene).

// Paints the digital face (measure false) or measures its text into
// measureRect (measure true). 0 after painting, -1 after measuring, 0 when
// nothing could be done.
int PaintDigital(HWND window, bool measure, RECT* measureRect);

// Draws the floating digits anew and gives them to the layered window;
// false when nothing could be drawn or shown.
bool DrawLayeredDigits(HWND window);

// The whole window erased and painted now.
void RepaintNow(HWND window);

// Draws the face anew now: the layered window's picture, or for every other
// window (the transparent digits with a caption among them) a repaint.
void RedrawFace(HWND window);

// One drawing cycle of the analog face from the tick, which must exist: the
// whole face or the second hand alone. A paint request draws it in PaintFace.
void DrawAnalog(bool full);
// The WM_PAINT handler of the main window, for either face; false when there
// is no face to paint with (an analog face that could not be made).
bool PaintFace(HWND window);
