// Placeholder until the digital face is built.
#include "face/DigitalFace.h"
DigitalFace::DigitalFace()
    : FontDirty(true), BrushDirty(true), FontSpec(nullptr), TextFont(nullptr),
      BackgroundBrush(nullptr) {}
DigitalFace::~DigitalFace() { ReleaseFont(); ReleaseBrush(); }
void DigitalFace::EnsureFont() {}
void DigitalFace::EnsureBrush() {}
void DigitalFace::ReleaseFont() {}
void DigitalFace::ReleaseBrush() {}
int PaintDigital(HWND, bool, RECT*) { return 0; }
LRESULT PaintFace(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}
