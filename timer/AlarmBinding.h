#pragma once
#include <windows.h>
#include "timer/rules/AlarmSettings.h"
#include "timer/rules/NotificationPlan.h"

// The timer settings dialog's parameter (DialogBoxParam's last): the alarm
// record that it edits, and what stores it once OK has taken the user's
// input, the wave path with it when the user changed that.
struct AlarmBinding {
  AlarmSettings* Alarms = nullptr;
  bool (*Store)(bool withPath) = nullptr;
};

// The notification's parameter: the alarm that is due (1 to kDailyAlarms) and
// the record that it is read from; the open notification keeps its own
// state here, for as long as it is open.
struct AlarmCall {
  int Number = 0;
  const AlarmSettings* Alarms = nullptr;

  NotificationPlan Plan;
  UINT_PTR PaceTimerId = 0;   // the timer that paces the sounds; 0 once silent
  bool InSound = false;       // a sound is being given; a timer message meanwhile is dropped
  wchar_t Lateness[48] = {};  // how late the alarm came; empty when on time
};
