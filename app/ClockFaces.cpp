#include "app/ClockFaces.h"
#include <new>
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "timer/TickState.h"

void CreateFace(HWND window) {
  App->DeleteFaces();
  if (App->Flags.Has(OnAnalog)) {
    RECT client;
    GetClientRect(window, &client);
    Tick.AskWholeRedraw();
    App->Analog = new (std::nothrow) ClockPainter(window, client.right, client.bottom,
                                                  App->Font.BkColor(), App->Flags.Has(OnSecond),
                                                  App->Flags.IsShaped());
  } else {
    App->Digital = new (std::nothrow) DigitalFace();
  }
}

// The flags are raised before the face repaints itself: an analog paint
// meets the minute's request at once, the pending full redraw stays.
void ResizeAnalog(int clientWidth, int clientHeight) {
  if (!App->Analog) return;
  Tick.AskWholeRedraw();
  App->Analog->Resize(clientWidth, clientHeight, App->Flags.IsShaped());
}

void ReshapeAnalog() {
  if (!App->Analog) return;
  Tick.AskWholeRedraw();
  App->Analog->ApplyShape(App->Flags.IsShaped());
}
