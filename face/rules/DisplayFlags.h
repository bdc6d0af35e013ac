#pragma once
#include <cstddef>
#include <cstdint>
#include "res/resource.h"

// The display options as one word of bits, each saved under the registry
// value of its name.
enum DisplayFlag : uint32_t {
  OnBorder = 0x02,
  OnTransparent = 0x04,
  OnCaption = 0x08,
  OnAnalog = 0x10,
  OnSecond = 0x20,
  OnTop = 0x40,
  OnBitmap = 0x80,
  OnHour12 = 0x100,
};

// Every option: its bit, the registry value it is stored under, and the
// menu row that switches it. The one place that ties the three together,
// defined once (DisplayFlags.cpp) rather than copied into every user.
struct DisplayFlagRow {
  uint32_t Bit;
  const char* ValueName;
  uint16_t MenuId;
};
constexpr size_t kDisplayFlagCount = 8;
extern const DisplayFlagRow kDisplayFlagRows[kDisplayFlagCount];

// The row of one bit, or null (for no bit or several).
inline const DisplayFlagRow* FlagRowOf(uint32_t bit) {
  for (const DisplayFlagRow& row : kDisplayFlagRows)
    if (row.Bit == bit) return &row;
  return nullptr;
}

struct DisplayFlags {
  uint32_t Bits = 0;

  bool Has(uint32_t mask) const { return (Bits & mask) == mask; }
  void SetFlag(uint32_t mask, bool on) {
    if (on) Bits |= mask; else Bits &= ~mask;
  }
  // The one state in which the window carries the round region of the
  // analog face: transparent analog without a caption.
  bool IsShaped() const {
    return (Bits & (OnTransparent | OnAnalog)) == (OnTransparent | OnAnalog) &&
           (Bits & OnCaption) == 0;
  }
  // The transparent digital display: only the digits over what lies behind.
  bool IsTransparentDigital() const {
    return (Bits & OnTransparent) != 0 && (Bits & OnAnalog) == 0;
  }
  // The transparent digital display without a caption: the digits float
  // over the desktop in a layered window of per-pixel alpha.
  bool IsLayered() const { return IsTransparentDigital() && (Bits & OnCaption) == 0; }
  // The transparent digital display with a caption: a layered window given
  // a colour key, because only such a one keeps the caption and the frame
  // that the system draws. Its client area shows the desktop wherever it is
  // painted in the key colour.
  bool IsColorKeyed() const { return IsTransparentDigital() && (Bits & OnCaption) != 0; }
};
