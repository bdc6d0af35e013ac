#pragma once
#include <windows.h>
#include "base/rules/TimeText.h"
#include "face/FaceScene.h"

class LayeredSurface;

// The digital face's font and background brush, made lazily and kept until
// they change.
class DigitalFace {
public:
  bool FontDirty;
  bool BrushDirty;
  LOGFONTW FontSpec;   // what TextFont was made from, while it exists
  HFONT TextFont;
  HBRUSH BackgroundBrush;
  COLORREF BrushColor;   // what BackgroundBrush was made in, while it exists

  DigitalFace();
  ~DigitalFace();
  DigitalFace(const DigitalFace&) = delete;
  DigitalFace& operator=(const DigitalFace&) = delete;

  void EnsureFont(const FaceScene& scene);
  void EnsureBrush(COLORREF color);
  void ReleaseFont();
  void ReleaseBrush();

  // Paints the scene's background and time text into surface over client
  // (measure false), or puts the text's extent into measureRect (measure
  // true; the background is painted all the same).
  void DrawTime(HDC surface, const RECT& client, const FaceScene& scene, bool measure,
                RECT* measureRect);
  // Draws the floating digits of the scene's time into the picture of the
  // layered window, centred in client (window coordinates), with the frame
  // round it.
  void DrawLayered(LayeredSurface& surface, const RECT& client, const FaceScene& scene);

private:
  // The 12-hour forms of the program's language, looked up once: the face
  // draws every second with seconds shown.
  DayHalves Halves;

  void PaintBackground(HDC surface, const RECT& client, const FaceScene& scene);
  int ClockText(const ClockTime& t, const FaceScene& scene, wchar_t* text) const;
};
