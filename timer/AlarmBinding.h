#pragma once
#include "timer/rules/AlarmSettings.h"

// The alarm record that the timer settings dialog edits and the notification
// reads, and what stores it once the dialog's OK has taken the user's input.
// The application binds its own record when it is made.
struct AlarmBinding {
  AlarmSettings* Alarms = nullptr;
  bool (*Store)() = nullptr;
};

extern AlarmBinding BoundAlarms;
