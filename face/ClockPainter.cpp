// Placeholder until the analog face is built.
#include "face/ClockPainter.h"
ClockPainter::ClockPainter(HWND window, int w, int h) : Window(window) { Resize(w, h); }
ClockPainter::~ClockPainter() {}
bool ClockPainter::BeginDrawing(bool) { return false; }
void ClockPainter::EndDrawing() {}
void ClockPainter::Draw(bool) {}
void ClockPainter::SetFaceColor(COLORREF) {}
void ClockPainter::Resize(int w, int h) { ClientWidth = w; ClientHeight = h; }
void ClockPainter::ApplyShape() {}
