#pragma once
#include <windows.h>
#include "app/MouseDrag.h"
#include "face/FaceScene.h"
#include "face/FontSetup.h"
#include "face/rules/DisplayFlags.h"
#include "res/ProgramName.h"
#include "settings/rules/SettingsLayout.h"
#include "timer/rules/AlarmSettings.h"

class ClockPainter;
class DigitalFace;

// The whole state of the clock, reached through the global App. It holds
// the state and owns its parts; the wiring lives in the files above it.
class ClockApp {
public:
  wchar_t Bitmap[kTextCapacity];   // path of the background picture
  bool OnToolTip;
  HINSTANCE Instance;
  HWND Window;
  DisplayFlags Flags;
  FontSetup Font;
  AlarmSettings Alarms;
  int Left, Top, Width, Height;   // as loaded and clamped; the reference for saving
  int Dpi;                   // the DPI that the pixel sizes held here (the font height) are for
  MouseDrag Drag;            // the left-button press, while one is in progress
  ClockPainter* Analog;      // exists exactly while the face is analog
  DigitalFace* Digital;      // exists exactly while the face is digital
  HINSTANCE PrevInstance;
  int ShowCommand;           // kept, never consulted: the clock never activates itself

  ClockApp(HINSTANCE instance, HINSTANCE prevInstance, int showCommand);
  ~ClockApp();
  ClockApp(const ClockApp&) = delete;
  ClockApp& operator=(const ClockApp&) = delete;

  // The tooltip's tool is wanted: the tooltip switched on, and no caption
  // that shows the date already.
  bool TipToolWanted() const { return OnToolTip && !Flags.Has(OnCaption); }
  // Brings the tooltip in line with OnToolTip and OnCaption.
  void SyncTip() const;

  // What the faces draw now: the time of the last tick, the options, the
  // font and colours, and the picture when one is to be shown.
  FaceScene Scene() const;

  // Deletes whichever face exists; the faces are made in ClockFaces.
  void DeleteFaces();
};

extern const wchar_t kWindowClass[];   // "ZephTivora"
