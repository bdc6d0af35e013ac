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

int WeekdayOf(int32_t minute) {
  // Day 0, 1 March 1600, was a Wednesday.
  const int32_t day = minute >= 0 ? minute / 1440 : (minute - 1439) / 1440;
  return int(((day + 3) % 7 + 7) % 7);
}

void AlarmWatch::Enqueue(int number, int32_t at) {
  // In time order, and by number within a minute.
  int i = Count++;
  for (; i > 0 && (Queue[i - 1].At > at || (Queue[i - 1].At == at && Queue[i - 1].Number > number));
       --i)
    Queue[i] = Queue[i - 1];
  Queue[i].Number = number;
  Queue[i].At = at;
}

void AlarmWatch::Look(const AlarmSettings& alarms, const ClockTime& now) {
  const int32_t nowMinute = MinuteNumber(now);
  const int32_t oldest = nowMinute - kCatchUpMinutes + 1;
  int32_t from = LookedTo != 0 && LookedTo <= nowMinute ? LookedTo + 1 : nowMinute;
  if (from < oldest) from = oldest;
  // What still waits from before a notification that stayed open for half
  // a day is gone by as well.
  while (Count > 0 && Queue[0].At < oldest) TakeNext();
  LookedTo = nowMinute;

  const int32_t today = nowMinute - (now.Hour * 60 + now.Minute);
  for (int n = 1; n <= kAlarmCount; ++n) {
    const AlarmEntry& alarm = alarms.Alarms[n - 1];
    const bool armed = alarms.OnTimer && alarm.On != 0 && alarm.Hour <= 23 && alarm.Minute <= 59;
    int32_t& snoozed = SnoozedTo[n - 1];
    if (!armed || (snoozed != 0 && snoozed < oldest)) snoozed = 0;
    if (!armed) continue;
    if (snoozed != 0 && snoozed <= nowMinute && Count < 2 * kAlarmCount) {
      Enqueue(n, snoozed);
      snoozed = 0;
    }
    // The span looked at is shorter than a day: it holds at most the latest
    // time of this alarm at or before now, on the weekday of its own minute.
    int32_t at = today + alarm.Hour * 60 + alarm.Minute;
    if (at > nowMinute) at -= 1440;
    // Everything waiting lies within the same half day as the span looked
    // at, so the queue never holds one alarm's day twice.
    if (at < from || RungAt[n - 1] == at || !alarm.RingsOn(WeekdayOf(at))) continue;
    RungAt[n - 1] = at;
    Enqueue(n, at);
  }
}

void AlarmWatch::Snooze(int number, const ClockTime& now, uint32_t minutes) {
  if (number < 1 || number > kAlarmCount) return;
  SnoozedTo[number - 1] = MinuteNumber(now) + int32_t(minutes);
}

DueAlarm AlarmWatch::TakeNext() {
  DueAlarm next;
  if (Count == 0) return next;
  next = Queue[0];
  const int32_t ofDay = (next.At % 1440 + 1440) % 1440;
  next.Hour = uint16_t(ofDay / 60);
  next.Minute = uint16_t(ofDay % 60);
  --Count;
  for (int i = 0; i < Count; ++i) Queue[i] = Queue[i + 1];
  return next;
}
