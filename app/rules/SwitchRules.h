#pragma once
#include <cstdint>
#include "face/rules/DisplayFlags.h"

// The display switches of the pop-up menu (and the double click, for the
// caption). TransparentOff is the step that every change of face begins with.
enum class DisplaySwitch {
  Caption,
  Border,
  OnTop,
  Transparent,
  TransparentOff,
  Analog,
  Seconds,
  Bitmap,
  Hour12,
};

// One option set or cleared and written to the registry at once.
struct SwitchStep {
  DisplayFlag Flag;
  bool On;
};

// What a switch does to the options: its steps in the order they are taken
// (and written), and the options before and after.
struct SwitchPlan {
  static constexpr int kMaxSteps = 2;

  DisplayFlags Before;
  DisplayFlags After;
  SwitchStep Steps[kMaxSteps];
  int StepCount;
  bool Refused;   // the switch would break a rule of the display and does nothing

  bool TurnedOff(DisplayFlag flag) const { return Before.Has(flag) && !After.Has(flag); }
};

// The flag half of every switch. A switch flips its own option and turns off
// whatever the new state does not allow, so that the menu's greying stays
// true: a transparent digital clock is never on top and does not take on
// seconds; a transparent analog clock has neither border nor caption; a
// change of face always ends transparency.
class SwitchRules {
public:
  static SwitchPlan Plan(DisplaySwitch which, DisplayFlags before);

  // The registry value that stores an option, e.g. "OnBorder"; null for a
  // word that is not one option.
  static const char* ValueName(uint32_t flag);
};
