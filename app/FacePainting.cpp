#include "app/FacePainting.h"
#include <new>
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "base/GdiScope.h"
#include "face/LayeredSurface.h"
#include "timer/TickState.h"

// The digital face is made on its first use: after a switch from the analog
// face, the first paint or picture makes it.
static DigitalFace* EnsureDigitalFace() {
  if (!App->Digital) App->Digital = new (std::nothrow) DigitalFace();
  return App->Digital;
}

int PaintDigital(HWND window, bool measure, RECT* measureRect) {
  DigitalFace* face = EnsureDigitalFace();
  if (!face) return 0;
  // The layered window shows only the picture it was given: a paint request
  // has nothing to draw.
  if (!measure && App->Flags.IsLayered()) {
    ValidateRect(window, nullptr);
    return 0;
  }

  RECT client;
  GetClientRect(window, &client);
  if (measure) {
    {
      WindowDC surface(window);
      if (!surface.dc()) return 0;
      face->DrawTime(surface.dc(), client, App->Scene(), true, measureRect);
    }
    ValidateRect(window, nullptr);
    return -1;
  }
  PaintScope paint(window);
  if (paint.dc()) face->DrawTime(paint.dc(), client, App->Scene(), false, nullptr);
  return 0;
}

bool DrawLayeredDigits(HWND window) {
  DigitalFace* face = EnsureDigitalFace();
  if (!face) return false;
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  // The picture covers the whole window, frame included.
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -outer.left, -outer.top);
  LayeredSurface surface(outer.right - outer.left, outer.bottom - outer.top);
  if (!surface.Ready()) return false;
  face->DrawLayered(surface, client, App->Scene());
  return surface.ShowOn(window);
}

void RepaintNow(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

void RedrawFace(HWND window) {
  if (App->Flags.IsLayered()) {
    DrawLayeredDigits(window);
  } else {
    RepaintNow(window);
  }
}

bool PaintFace(HWND window) {
  if (!App->Flags.Has(OnAnalog)) {
    // Without a face (no memory for one) the system validates the window:
    // an unanswered paint request would come back at once, for ever.
    if (!EnsureDigitalFace()) return false;
    PaintDigital(window, false, nullptr);
    return true;
  }
  if (!App->Analog) return false;
  // A paint redraws the whole face; were the surface clipped to a part of
  // the window, the second hand outside that part would be left where it
  // was while the painter's LastSecondHand moved on, and the next tick
  // would strike a stray line through the face.
  InvalidateRect(window, nullptr, FALSE);
  PaintScope paint(window);
  if (paint.dc()) {
    App->Analog->BeginDrawingOn(paint.dc());
    App->Analog->Draw(App->Scene(), true);
    App->Analog->EndDrawing();
  }
  Tick.FaceDrawn();
  return true;
}

void DrawAnalog(bool full) {
  ClockPainter* painter = App->Analog;
  painter->BeginDrawing();
  painter->Draw(App->Scene(), full);
  painter->EndDrawing();
}
