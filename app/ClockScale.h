#pragma once
#include "base/rules/DpiScale.h"

// The clock's own figures at the DPI that its window is drawn at now.
DpiScale ClockScale();

// The height of a caption at the window's DPI. The system's figure is read
// once at the start, at the screen's DPI; a window on a monitor of another
// scale has a caption scaled like the rest of it.
int ClockCaptionHeight();
