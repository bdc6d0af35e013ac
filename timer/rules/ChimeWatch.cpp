#include "timer/rules/ChimeWatch.h"
#include "timer/rules/AlarmWatch.h"

static bool InChimeHours(const AlarmSettings& a, unsigned hour) {
  if (a.ChimeFrom <= a.ChimeTo) return hour >= a.ChimeFrom && hour <= a.ChimeTo;
  return hour >= a.ChimeFrom || hour <= a.ChimeTo;
}

// An armed alarm set for this minute rings in it on this weekday.
static bool AlarmRingsAt(const AlarmSettings& a, const ClockTime& now) {
  for (int n = 1; n <= kDailyAlarms; ++n) {
    const AlarmEntry& alarm = a.Alarms[n - 1];
    if (a.IsArmed(n) && alarm.Hour == now.Hour && alarm.Minute == now.Minute &&
        alarm.RingsOn(now.DayOfWeek))
      return true;
  }
  return false;
}

bool ChimeWatch::Due(const AlarmSettings& alarms, const ClockTime& now) {
  if (!alarms.OnTimer || !alarms.OnChime || now.Minute != 0 || !InChimeHours(alarms, now.Hour))
    return false;
  const int32_t minute = MinuteNumber(now);
  if (minute <= ChimedAt && ChimedAt - minute < 24 * 60) return false;
  ChimedAt = minute;
  return !AlarmRingsAt(alarms, now);
}
