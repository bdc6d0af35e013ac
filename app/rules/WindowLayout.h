#pragma once
#include <cstdint>
#include "app/rules/DisplayFlags.h"

struct Placement {
  int32_t Left, Top, Width, Height;
};

// Makes a stored placement usable on the primary screen: at least 16 x 16,
// right and bottom edges moved back onto the screen, then never left of or
// above the origin.
Placement ClampPlacement(Placement stored, int32_t screenWidth, int32_t screenHeight);

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
// without a caption is a layered window of per-pixel alpha, so that the
// desktop really shows between the digits while the whole rectangle takes
// clicks; every other display is an ordinary window (the transparent analog
// face takes a round region instead).
StyleWords StylesFor(DisplayFlags flags);
