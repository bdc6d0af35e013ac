#include "timer/rules/AlarmWatch.h"
#include "face/rules/TimeText.h"

// Days from 1 March 1600 (the leap day then ends each counted year); in
// minutes they fit 32 bits until the year 5600.
static int32_t DayNumber(int year, int month, int day) {
  year -= 1600;
  if (month <= 2) --year;
  const int era = year / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

int32_t MinuteNumber(const ClockTime& t) {
  return DayNumber(t.Year, t.Month, t.Day) * 1440 + t.Hour * 60 + t.Minute;
}

uint32_t SecondsLate(int32_t at, const ClockTime& now) {
  const int32_t minutes = MinuteNumber(now) - at;
  return minutes < 0 ? 0 : uint32_t(minutes) * 60 + now.Second;
}

void FormatLateness(uint32_t secondsLate, wchar_t* out) {
  *out = L'\0';
  if (secondsLate <= 60) return;
  const unsigned minutes = secondsLate / 60;
  wchar_t* p = out;
  auto append = [&p](const wchar_t* text) {
    while (*text) *p++ = *text++;
  };
  if (minutes >= 60) {
    p = AppendNumber(p, minutes / 60);
    append(L"時間");
  }
  if (minutes % 60 != 0) {
    p = AppendNumber(p, minutes % 60);
    append(L"分");
  }
  append(L"遅れ");
  *p = L'\0';
}

void AlarmWatch::Look(const AlarmSettings& alarms, const ClockTime& now) {
  const int32_t nowMinute = MinuteNumber(now);
  const int32_t oldest = nowMinute - kCatchUpMinutes + 1;
  int32_t from = LookedTo != 0 && LookedTo <= nowMinute ? LookedTo + 1 : nowMinute;
  if (from < oldest) from = oldest;
  // What still waits from before a notification that stayed open for half
  // a day is gone by as well.
  while (Count > 0 && RungAt[Queue[0] - 1] < oldest) TakeNext();
  LookedTo = nowMinute;
  if (!alarms.OnTimer) return;

  const int32_t today = nowMinute - (now.Hour * 60 + now.Minute);
  for (int n = 1; n <= kAlarmCount; ++n) {
    const AlarmEntry& alarm = alarms.Alarms[n - 1];
    if (alarm.On == 0 || alarm.Hour > 23 || alarm.Minute > 59) continue;
    // The span looked at is shorter than a day: it holds at most the latest
    // time of this alarm at or before now.
    int32_t at = today + alarm.Hour * 60 + alarm.Minute;
    if (at > nowMinute) at -= 1440;
    // Everything waiting lies within the same half day as the span looked
    // at, so the queue never holds one alarm twice.
    if (at < from || RungAt[n - 1] == at) continue;
    RungAt[n - 1] = at;
    // In time order, and by number within a minute.
    int i = Count++;
    for (; i > 0 && RungAt[Queue[i - 1] - 1] > at; --i) Queue[i] = Queue[i - 1];
    Queue[i] = uint8_t(n);
  }
}

DueAlarm AlarmWatch::TakeNext() {
  DueAlarm next;
  if (Count == 0) return next;
  next.Number = Queue[0];
  next.At = RungAt[next.Number - 1];
  const int32_t ofDay = (next.At % 1440 + 1440) % 1440;
  next.Hour = uint16_t(ofDay / 60);
  next.Minute = uint16_t(ofDay % 60);
  --Count;
  for (int i = 0; i < Count; ++i) Queue[i] = Queue[i + 1];
  return next;
}
