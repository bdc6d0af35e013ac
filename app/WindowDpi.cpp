#include "app/WindowDpi.h"
#include "app/ClockApp.h"
#include "app/ClockFaces.h"
#include "app/FacePainting.h"
#include "app/Globals.h"
#include "app/WindowStyling.h"
#include "timer/TickState.h"

void AdoptDpi(HWND window, int dpi) {
  DpiScale to(dpi);
  if (to.Dpi == App->Dpi) return;
  LONG& height = App->Font.LogFont.lfHeight;
  height = to.FromScale(height, DpiScale(App->Dpi));
  App->Dpi = to.Dpi;
  CreateFace(window);
}

void OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
  TickHold restyle(Tick.Holds);
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  AdoptDpi(window, HIWORD(wParam));
  if (suggested) PlaceWindow(window, *suggested);
  Tick.AskWholeRedraw();
  RedrawFace(window);
}
