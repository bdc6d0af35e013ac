#pragma once
#include <windows.h>

class LayeredSurface;

// The digital face's font and background brush, made lazily and kept until
// they change.
class DigitalFace {
public:
  bool FontDirty;
  bool BrushDirty;
  LOGFONTA* FontSpec;
  HFONT TextFont;
  HBRUSH BackgroundBrush;

  DigitalFace();
  ~DigitalFace();
  DigitalFace(const DigitalFace&) = delete;
  DigitalFace& operator=(const DigitalFace&) = delete;

  void EnsureFont();
  void EnsureBrush();
  void ReleaseFont();
  void ReleaseBrush();

  // Paints background and time text of TickTime into surface over client
  // (measure false), or puts the text's extent into measureRect (measure
  // true; the background is painted all the same).
  void DrawTime(HDC surface, const RECT& client, bool measure, RECT* measureRect);
  // Draws the floating digits of TickTime into the picture of the layered
  // window, centred in client (window coordinates), with the frame round it.
  void DrawLayered(LayeredSurface& surface, const RECT& client);

private:
  void PaintBackground(HDC surface, const RECT& client);
};

// Paints the digital face (measure false) or measures its text into
// measureRect (measure true). 0 after painting, -1 after measuring, 0 when
// nothing could be done.
int PaintDigital(HWND window, bool measure, RECT* measureRect);

// Draws the floating digits anew and gives them to the layered window;
// false when nothing could be drawn or shown.
bool DrawLayeredDigits(HWND window);

// Draws the transparent digital display anew: the layered window's picture,
// or with a caption, where the window is an ordinary one, a repaint.
void RedrawTransparentDigits(HWND window);

// The WM_PAINT handler of the main window, for either face.
LRESULT PaintFace(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
