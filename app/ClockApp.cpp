#include "app/ClockApp.h"
#include "app/Globals.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "timer/TickState.h"
#include "timer/TipWindow.h"

const wchar_t kWindowClass[] = L"ZephTivora";

ClockApp::ClockApp(HINSTANCE instance, HINSTANCE prevInstance, int showCommand)
    : OnToolTip(false), Instance(instance), Window(nullptr), Left(0), Top(0), Width(0),
      Height(0), Dpi(DpiScale::kDesignDpi), Analog(nullptr), Digital(nullptr),
      PrevInstance(prevInstance), ShowCommand(showCommand) {
  Bitmap[0] = 0;
}

ClockApp::~ClockApp() {
  // While the window still has the application to tell of the capture's end.
  Drag.ReleaseDrag();
  DeleteFaces();
}

void ClockApp::SyncTip() const {
  if (Tip) Tip->SyncTip(OnToolTip, Flags.Has(OnCaption));
}

FaceScene ClockApp::Scene() const {
  FaceScene scene;
  scene.Time = ClockTimeOf(Tick.TickTime);
  scene.Flags = Flags;
  scene.Font = &Font;
  scene.UsesPicture = Flags.Has(OnBitmap) && Bitmap[0] != '\0';
  scene.Picture = Background;
  return scene;
}

void ClockApp::DeleteFaces() {
  delete Digital;
  Digital = nullptr;
  delete Analog;   // gives the window its rectangle back
  Analog = nullptr;
}
