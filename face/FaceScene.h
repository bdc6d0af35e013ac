#pragma once
#include "base/rules/ClockTime.h"
#include "face/rules/DisplayFlags.h"

class BackgroundImage;
class FontSetup;

// What a face draws, handed over by the application for each drawing: the
// time to show, the display options, the font and colours, and the picture.
struct FaceScene {
  ClockTime Time = {};
  DisplayFlags Flags;
  const FontSetup* Font = nullptr;
  // A picture is chosen and switched on: it takes the place of the
  // background colour, and of the disc and marks, even when it could not be
  // read (then only the hands or digits show).
  bool UsesPicture = false;
  BackgroundImage* Picture = nullptr;   // null when there is none to draw
};
