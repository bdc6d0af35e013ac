#include "timer/rules/AlarmWatch.h"
#include "base/rules/TimeText.h"

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

void FormatLateness(uint32_t secondsLate, const LatenessForms& forms, wchar_t* out,
                    size_t capacity) {
  if (capacity > 0) *out = L'\0';
  if (secondsLate <= 60) return;
  const unsigned minutes = secondsLate / 60;
  const unsigned parts[2] = {minutes / 60, minutes % 60};
  if (minutes < 60)
    FillForm(forms.Minutes, parts + 1, 1, nullptr, out, capacity);
  else if (parts[1] == 0)
    FillForm(forms.Hours, parts, 1, nullptr, out, capacity);
  else
    FillForm(forms.HoursMinutes, parts, 2, nullptr, out, capacity);
}

// Milliseconds from `from` to `to` in 32 bits, about 49 days at most: far
// beyond what the watch keeps.
static uint32_t MsBetween(uint64_t from, uint64_t to) {
  if (to <= from) return 0;
  return to - from > 0xFFFFFFFFu ? 0xFFFFFFFFu : uint32_t(to - from);
}

uint32_t SecondsLate(const DueAlarm& due, const ClockTime& now, uint64_t elapsedMs) {
  if (due.SnoozeDue == 0) return SecondsLate(due.At, now);
  return MsBetween(due.SnoozeDue, elapsedMs) / 1000;
}

int WeekdayOf(int32_t minute) {
  // Day 0, 1 March 1600, was a Wednesday.
  const int32_t day = minute >= 0 ? minute / 1440 : (minute - 1439) / 1440;
  return int(((day + 3) % 7 + 7) % 7);
}

static constexpr uint32_t kCatchUpMs = uint32_t(AlarmWatch::kCatchUpMinutes) * 60 * 1000;

bool AlarmWatch::Waits(int number, bool snooze) const {
  for (int i = 0; i < Count; ++i)
    if (Queue[i].Number == number && (Queue[i].SnoozeDue != 0) == snooze) return true;
  return false;
}

bool AlarmWatch::Enqueue(const DueAlarm& due) {
  if (Count == kQueueCapacity || Waits(due.Number, due.SnoozeDue != 0)) return false;
  // In time order, and by number within a minute.
  int i = Count++;
  for (; i > 0 && (Queue[i - 1].At > due.At ||
                   (Queue[i - 1].At == due.At && Queue[i - 1].Number > due.Number));
       --i)
    Queue[i] = Queue[i - 1];
  Queue[i] = due;
  return true;
}

void AlarmWatch::Begin(const ClockTime& now) { LookedTo = MinuteNumber(now) - 1; }

void AlarmWatch::Look(const AlarmSettings& alarms, const ClockTime& now, uint64_t elapsedMs) {
  const int32_t nowMinute = MinuteNumber(now);
  const int32_t oldest = nowMinute - kCatchUpMinutes + 1;
  int32_t from = LookedTo != 0 && LookedTo <= nowMinute ? LookedTo + 1 : nowMinute;
  if (from < oldest) from = oldest;
  // What still waits from before a notification that stayed open for half
  // a day is gone by as well.
  while (Count > 0 && Queue[0].At < oldest) TakeNext();
  LookedTo = nowMinute;

  const int32_t today = nowMinute - (now.Hour * 60 + now.Minute);
  for (int n = 1; n <= kDailyAlarms; ++n) {
    const AlarmEntry& alarm = alarms.Alarms[n - 1];
    const bool armed = alarms.IsArmed(n);
    uint64_t& snoozed = SnoozedTo[n - 1];
    if (!armed || MsBetween(snoozed, elapsedMs) >= kCatchUpMs) snoozed = 0;
    if (!armed) continue;
    if (snoozed != 0 && snoozed <= elapsedMs) {
      // Shown with the minute it came due in, by the wall clock.
      const int32_t secondsBack = int32_t(MsBetween(snoozed, elapsedMs) / 1000) - now.Second;
      DueAlarm due;
      due.Number = n;
      due.At = nowMinute - (secondsBack > 0 ? (secondsBack + 59) / 60 : 0);
      due.SnoozeDue = snoozed;
      if (Enqueue(due)) snoozed = 0;
    }
    // The span looked at is shorter than a day: it holds at most the latest
    // time of this alarm at or before now, on the weekday of its own minute.
    int32_t at = today + alarm.Hour * 60 + alarm.Minute;
    if (at > nowMinute) at -= 1440;
    if (at < from || at < WatchedFrom[n - 1] || RungAt[n - 1] == at ||
        !alarm.RingsOn(WeekdayOf(at)))
      continue;
    DueAlarm due;
    due.Number = n;
    due.At = at;
    if (Enqueue(due)) RungAt[n - 1] = at;
  }
}

void AlarmWatch::Snooze(int number, uint64_t elapsedMs, uint32_t minutes) {
  if (number < 1 || number > kDailyAlarms) return;
  // 0 stands for none: a snooze due at the very first millisecond comes at 1.
  const uint64_t due = elapsedMs + uint64_t(minutes) * 60 * 1000;
  SnoozedTo[number - 1] = due != 0 ? due : 1;
}

void AlarmWatch::Edited(const AlarmSettings& before, const AlarmSettings& after,
                        const ClockTime& now) {
  for (int n = 1; n <= kDailyAlarms; ++n) {
    const AlarmEntry& was = before.Alarms[n - 1];
    const AlarmEntry& is = after.Alarms[n - 1];
    const bool changed = !before.IsArmed(n) || was.Hour != is.Hour || was.Minute != is.Minute ||
                         was.Days != is.Days;
    if (after.IsArmed(n) && changed) WatchedFrom[n - 1] = MinuteNumber(now);
  }
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

void AlarmWatch::PutBack(const DueAlarm& due) {
  if (due.Number >= 1 && due.Number <= kDailyAlarms) Enqueue(due);
}
