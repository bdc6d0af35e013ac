#pragma once
#include <cstddef>
#include <cstdint>
#include "base/rules/ClockTime.h"
#include "timer/rules/AlarmSettings.h"

// A calendar minute of the local time as one number, counted from a fixed
// day: two times compare and subtract as minutes whatever lies between them
// (midnight, the end of a month or a year).
int32_t MinuteNumber(const ClockTime& t);

// An alarm that has come due: its number and the minute it was set for, on
// the day it fell; for a snooze, the minute it came due in, and when.
struct DueAlarm {
  int Number = 0;        // 1 to kDailyAlarms; 0 for none
  uint16_t Hour = 0;
  uint16_t Minute = 0;
  int32_t At = 0;        // MinuteNumber of that day's alarm time, or of its snooze
  uint64_t SnoozeDue = 0;   // a snooze: the elapsed milliseconds it was due at; 0 otherwise
};

// The weekday of a minute number, 0 for Sunday to 6 for Saturday.
int WeekdayOf(int32_t minute);

// How late an alarm due at minute `at` is at the time `now`, in seconds.
uint32_t SecondsLate(int32_t at, const ClockTime& now);
// How late a due alarm is: an alarm's own time by the wall clock, a snooze
// by the elapsed milliseconds `elapsedMs`.
uint32_t SecondsLate(const DueAlarm& due, const ClockTime& now, uint64_t elapsedMs);

// The notice of lateness in the program's language, each form with "%u"
// where its figures stand: "%u時間%u分遅れ", "%u h late", "%u min late".
struct LatenessForms {
  const wchar_t* HoursMinutes;
  const wchar_t* Hours;
  const wchar_t* Minutes;
};

// Writes the notice of lateness, "12分遅れ", "2時間5分遅れ" or "2 h 5 min
// late", for more than a minute late; an empty text otherwise. `capacity`
// units with the terminator; a longer notice is cut.
void FormatLateness(uint32_t secondsLate, const LatenessForms& forms, wchar_t* out,
                    size_t capacity);

// Watches the alarms over the ticks that look for them. Each look covers
// every minute since the last one looked at, so a minute that fell into an
// interaction, a stopped process, a sleep or a jump forward of the clock is
// not lost; the alarms found due wait in time order to be announced one
// after another.
class AlarmWatch {
public:
  // How far back a look reaches: an alarm older than this is gone by.
  static constexpr int kCatchUpMinutes = 12 * 60;
  // Each alarm waits at most once for its time and once for its snooze.
  static constexpr int kQueueCapacity = 2 * kDailyAlarms;

  // The clock starts at `now`: the first look covers every minute from
  // this one on, however late it comes.
  void Begin(const ClockTime& now);

  // Looks at the minutes after the last one looked at up to now's. The first
  // look of a watch never begun, and the first after the clock was put
  // back, looks at now's minute alone: a start inside an alarm's minute
  // rings it. An alarm that already rang for its day and minute is not due
  // again, nor one on a weekday it is not set for. A snooze comes by the
  // elapsed milliseconds `elapsedMs`, a clock that setting the wall clock
  // does not move; the snooze of an alarm or a timer switched off is dropped.
  void Look(const AlarmSettings& alarms, const ClockTime& now, uint64_t elapsedMs);

  // Alarm `number` comes again `minutes` after the elapsed time
  // `elapsedMs`; one snooze per alarm, the latest wins.
  void Snooze(int number, uint64_t elapsedMs, uint32_t minutes);

  // The timer settings changed at `now` from `before` to `after`: an alarm
  // armed, retimed or given other weekdays by the change (every alarm, when
  // the timer was switched on) is looked at from now's minute on, never
  // for the minutes that passed under the old settings.
  void Edited(const AlarmSettings& before, const AlarmSettings& after, const ClockTime& now);

  bool Waiting() const { return Count > 0; }
  // The earliest alarm waiting, taken out of the queue; Number 0 when none.
  DueAlarm TakeNext();
  // An alarm taken that could not be announced waits again, in its place.
  void PutBack(const DueAlarm& due);

private:
  // Minute numbers of real times are far above 0, which stands for none.
  int32_t LookedTo = 0;                   // the last minute looked at
  int32_t RungAt[kDailyAlarms] = {};       // each alarm's last rung minute
  int32_t WatchedFrom[kDailyAlarms] = {};  // each alarm's first minute under its settings
  uint64_t SnoozedTo[kDailyAlarms] = {};   // each alarm's snooze, elapsed ms; 0 for none
  // Waiting, earliest first: an alarm's day and its snooze may both wait.
  DueAlarm Queue[kQueueCapacity] = {};
  int Count = 0;

  bool Enqueue(const DueAlarm& due);
  bool Waits(int number, bool snooze) const;
};
