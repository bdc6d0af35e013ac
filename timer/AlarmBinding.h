#pragma once
#include "timer/rules/AlarmSettings.h"

// The timer settings dialog's parameter (DialogBoxParam's last): the alarm
// record that it edits, and what stores it once OK has taken the user's
// input, the wave path with it when the user changed that.
struct AlarmBinding {
  AlarmSettings* Alarms = nullptr;
  bool (*Store)(bool withPath) = nullptr;
};

// The notification's parameter: the alarm that is due (1 to kDailyAlarms) and
// the record that it is read from.
struct AlarmCall {
  int Number = 0;
  const AlarmSettings* Alarms = nullptr;
};
