#pragma once
#include <cstdint>
#include "base/rules/ClockTime.h"
#include "timer/rules/AlarmSettings.h"

// The hourly chime: one beep in the first minute of each hour from
// ChimeFrom to ChimeTo (22 to 6 runs past midnight), while the timer is on.
// It is never late: an hour whose first minute no tick saw, because the
// clock did not run or the machine slept, passes without it.
class ChimeWatch {
public:
  // True when the tick at `now` gives the chime. An alarm that rings in the
  // same minute gives its own sound instead. An hour is chimed once: a
  // clock put back by less than a day does not give it again.
  bool Due(const AlarmSettings& alarms, const ClockTime& now);

private:
  int32_t ChimedAt = 0;   // the minute number of the last chime; 0 for none
};
