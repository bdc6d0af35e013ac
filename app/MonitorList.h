#pragma once
#include <windows.h>
#include <cstddef>
#include "app/rules/WindowLayout.h"

// The work areas of the monitors that the desktop has now (each monitor
// without its task bars), in screen coordinates, at most `capacity` of them.
// When the system names none, the primary screen's size from the start-up
// metrics stands in. Returns the count.
size_t ListMonitors(ScreenRect* out, size_t capacity);

// The size of the largest monitor's work area, by its area: about the most
// pixels of a picture that one screen shows.
SIZE LargestMonitorSize();

// The place that a start gives a window at `p`: clamped onto the work areas
// of the monitors that the desktop has now (ClampPlacement). Every later
// move or resize of the clock's own keeps it there the same way.
Placement PlaceOnMonitors(Placement p);
