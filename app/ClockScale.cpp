#include "app/ClockScale.h"
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "base/DisplayDpi.h"

DpiScale ClockScale() { return DpiScale(App ? App->Dpi : DpiScale::kDesignDpi); }

int ClockCaptionHeight() {
  return ClockScale().FromScale(CaptionHeight, DpiScale(WindowDpi(nullptr)));
}
