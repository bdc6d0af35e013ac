#pragma once
#include <cstddef>
#include <cstdint>
#include "face/rules/DisplayFlags.h"
#include "base/rules/DpiScale.h"

struct Placement {
  int32_t Left, Top, Width, Height;
};

// The window's place as the registry keeps it: 96-DPI figures, as a form of
// the program that is not DPI-aware sees the desktop. The place is scaled by
// the system's DPI (the desktop's coordinates), the size by the DPI of the
// window's monitor, as its font is. At 96 DPI the figures are the pixels.
// Pixels taken to figures and back come within a pixel of where they were,
// and a second round trip changes nothing: the place does not creep.
Placement PlacementInPixels(Placement stored, int32_t systemDpi, int32_t windowDpi);
Placement PlacementAsStored(Placement pixels, int32_t systemDpi, int32_t windowDpi);

// One monitor's rectangle in screen coordinates (right and bottom exclusive);
// monitors left of or above the primary one have negative coordinates.
struct ScreenRect {
  int32_t Left, Top, Right, Bottom;
};

// The smallest side a stored window is given at start, in pixels.
constexpr int32_t kMinimumSide = 16;

// Makes a stored placement usable: at least 16 x 16, then kept on the
// monitor it overlaps most (the nearest one when it overlaps none), with its
// right and bottom edges moved back onto that monitor, then its left and top.
// With the primary monitor alone this is the clamp to the screen's size.
Placement ClampPlacement(Placement stored, const ScreenRect* monitors, size_t count);

// The index of the monitor that the placement overlaps most, or of the
// nearest when it overlaps none; the first of equals. 0 when there are none.
size_t MonitorFor(Placement p, const ScreenRect* monitors, size_t count);

struct StyleWords {
  uint32_t Style;
  uint32_t ExStyle;
};

constexpr uint32_t kStylePopupVisible = 0x90000000u;   // WS_POPUP | WS_VISIBLE
constexpr uint32_t kStyleCaption = 0x00C80000u;        // WS_CAPTION | WS_SYSMENU
constexpr uint32_t kStyleThickFrame = 0x00040000u;     // WS_THICKFRAME
constexpr uint32_t kExToolWindow = 0x00000080u;        // WS_EX_TOOLWINDOW
constexpr uint32_t kExTopmost = 0x00000008u;           // WS_EX_TOPMOST
constexpr uint32_t kExLayered = 0x00080000u;           // WS_EX_LAYERED

// The window's style words at creation. The transparent digital display
// is a layered window: without a caption one of per-pixel alpha, so that the
// desktop really shows between the digits while the whole rectangle takes
// clicks, and with one a colour-keyed one, which keeps the system's caption.
// Every other display is an ordinary window (the transparent analog face
// takes a round region instead).
StyleWords StylesFor(DisplayFlags flags);
