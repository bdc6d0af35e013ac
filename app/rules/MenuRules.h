#pragma once
#include <cstdint>
#include "face/rules/DisplayFlags.h"

// One row of the pop-up menu as it is to be appended.
// Its text is the string table's text TextId, in the program's language.
struct MenuRow {
  uint16_t TextId;
  uint16_t Id;        // 0 for a separator
  bool Checked;
  bool Grey;

  bool IsSeparator() const { return Id == 0; }
};

// The pop-up menu, top to bottom, for one state of the display options.
// The greying keeps the user to what the display can show: a transparent
// digital clock has no background of its own and lives at the bottom of the
// z-order, so it offers neither the background nor the always-in-front
// switch, and its seconds can be switched off but not on; a transparent
// analog clock is round and has no border; a digital clock showing seconds
// can't be made transparent; an analog clock with a caption is never
// transparent.
class MenuRules {
public:
  static constexpr int kRowCount = 19;

  // startsWithWindows: the Run key starts this exe as it is placed now.
  MenuRules(DisplayFlags flags, bool onToolTip, bool startsWithWindows = false)
      : Flags(flags), OnToolTip(onToolTip), StartsWithWindows(startsWithWindows) {}

  // Row 0 is the top of the menu.
  MenuRow Row(int index) const;

private:
  DisplayFlags Flags;
  bool OnToolTip;
  bool StartsWithWindows;

  bool Checked(uint16_t id) const;
  bool Grey(uint16_t id) const;
};
