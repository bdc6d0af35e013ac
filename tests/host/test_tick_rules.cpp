#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "timer/rules/AlarmWatch.h"
#include "timer/rules/ChimeWatch.h"
#include "timer/rules/ElapsedClock.h"
#include "timer/rules/TickHolds.h"
#include "timer/rules/TickRules.h"
#include "tests/host/ClockTimes.h"

static ClockTime Today(int h, int m, int s) { return TimeOf(2002, 3, 14, h, m, s); }

static TickInput Tick(ClockTime previous, ClockTime now) {
  TickInput in;   // a digital face, nothing pending, no interaction
  in.Now = now;
  in.TickTime = in.TitleDate = previous;
  return in;
}

// --- new minute --------------------------------------------------------------

// Seen at whatever second it is first looked at (seconds 0 and 1 lost to
// merged ticks or a suspension are caught up later), and over an hour-long
// menu or a sleep that ends on the same minute number.
TEST(TickRules, NewMinuteIsNoticedAtWhateverSecondAndComparesDateAndHourToo) {
  struct Case { ClockTime previous, now; bool newMinute; };
  const Case cases[] = {{Today(9, 5, 7), Today(9, 5, 8), false}, {Today(9, 5, 59), Today(9, 6, 0), true},
                        {Today(9, 5, 59), Today(9, 6, 2), true}, {Today(9, 5, 40), Today(9, 6, 37), true},
                        {Today(9, 5, 10), Today(10, 5, 12), true},
                        {TimeOf(2002, 3, 13, 9, 5, 10), Today(9, 5, 12), true},
                        {TimeOf(2001, 3, 14, 9, 5, 10), Today(9, 5, 12), true}};
  for (const Case& c : cases) EXPECT_EQ(DecideTick(Tick(c.previous, c.now)).NewMinute, c.newMinute) << &c - cases;
}

TEST(TickRules, AlarmsWaitWhileAnInteractionHoldsTheTickButTheFaceKeepsTime) {
  TickInput free = Tick(Today(7, 29, 59), Today(7, 30, 0));
  EXPECT_TRUE(DecideTick(free).LookForAlarms);
  TickInput held = free;
  held.Interacting = true;
  TickDecision d = DecideTick(held);
  EXPECT_FALSE(d.LookForAlarms);
  EXPECT_TRUE(d.NewMinute);
  EXPECT_EQ(d.Redraw, TickRedraw::Repaint) << "the face is drawn behind the dialog";
  // The transparent digits are drawn where they stand; re-stacking waits
  // for the interaction's end.
  held.Face = TickFace::TransparentDigital;
  EXPECT_EQ(DecideTick(held).Redraw, TickRedraw::RedrawInPlace);
  free.Face = TickFace::TransparentDigital;
  EXPECT_EQ(DecideTick(free).Redraw, TickRedraw::PushToBottom);
}

// --- title -------------------------------------------------------------------

// The title's date counts, not the last tick's; one never set (all zero) is
// renewed at the first tick.
TEST(TickRules, TitleIsRenewedWhenTheTickHasAnotherDateThanTheTitle) {
  struct Case { const char* what; ClockTime title, previous, now; bool renew; };
  const Case cases[] = {
      {"midnight", Today(23, 59, 59), Today(23, 59, 59), TimeOf(2002, 3, 15, 0, 0, 0), true},
      {"the same day", Today(12, 0, 0), Today(12, 0, 0), Today(12, 0, 1), false},
      {"slept over midnight", Today(23, 40, 0), Today(23, 40, 0), TimeOf(2002, 3, 15, 6, 30, 12), true},
      {"a menu or a suspension through midnight's first seconds", Today(23, 59, 58), Today(23, 59, 58),
       TimeOf(2002, 3, 15, 0, 0, 9), true},
      {"the system date set to another day at noon", Today(12, 0, 0), Today(12, 0, 0),
       TimeOf(2002, 5, 1, 12, 0, 1), true},
      {"a stale title", Today(0, 0, 0), TimeOf(2002, 3, 15, 0, 0, 5), TimeOf(2002, 3, 15, 0, 0, 6), true},
      {"a title never set", ClockTime(), Today(8, 0, 0), Today(8, 0, 1), true},
  };
  for (const Case& c : cases) {
    TickInput in = Tick(c.previous, c.now);
    in.TitleDate = c.title;
    EXPECT_EQ(DecideTick(in).RenewTitle, c.renew) << c.what;
  }
}

// --- redraw --------------------------------------------------------------------

// Over every face and state: a new minute redraws the whole face, even
// without any flag set, seconds alone redraw the least that shows them, a
// display change is never met by the second hand alone, and a tick that
// changes nothing draws nothing.
TEST(TickRules, EachDisplayRedrawsOnlyWhatChanged) {
  using R = TickRedraw;
  struct Face { TickFace face; R whole, seconds; };
  for (const Face& f : {Face{TickFace::Analog, R::WholeAnalogFace, R::SecondHand},
                        Face{TickFace::TransparentDigital, R::PushToBottom, R::RedrawInPlace},
                        Face{TickFace::Digital, R::Repaint, R::Repaint}}) {
    SCOPED_TRACE(int(f.face));
    for (bool seconds : {false, true}) {
      TickInput newMinute = Tick(Today(9, 5, 59), Today(9, 6, 3));
      newMinute.Face = f.face;
      newMinute.ShowSeconds = seconds;
      EXPECT_EQ(DecideTick(newMinute).Redraw, f.whole) << "seconds " << seconds;
      for (bool pending : {false, true}) {
        EXPECT_EQ(RedrawFor(f.face, seconds, true, pending), f.whole);
        const R otherwise = RedrawFor(f.face, seconds, false, pending);
        if (!pending) { EXPECT_EQ(otherwise, seconds ? f.seconds : R::Nothing); }
        // The analog face without seconds waits for its minute: a paint drew it meanwhile.
        if (pending && (seconds || f.face != TickFace::Analog)) { EXPECT_EQ(otherwise, f.whole); }
      }
    }
  }
}

// Runs a minute of ticks the way the tick keeps its flags and counts those
// that draw anything, and those that redraw the whole face.
struct MinuteCount { int drawing = 0, whole = 0; };
static MinuteCount CountOverAMinute(TickFace face, bool seconds) {
  MinuteCount n;
  ClockTime last = Today(10, 0, 29);
  bool minuteChanged = false, fullPending = false;
  for (int i = 0; i < 60; ++i) {
    const ClockTime now = Today(10, (30 + i) / 60, (30 + i) % 60);
    TickInput in = Tick(last, now);
    in.Face = face;
    in.ShowSeconds = seconds;
    in.MinuteChanged = minuteChanged;
    in.FullRedrawPending = fullPending;
    TickDecision d = DecideTick(in);
    if (d.Redraw != TickRedraw::Nothing) ++n.drawing;
    if (d.Redraw == TickRedraw::WholeAnalogFace || d.Redraw == TickRedraw::PushToBottom ||
        (d.Redraw == TickRedraw::Repaint && !seconds))
      ++n.whole;
    minuteChanged = fullPending = false;
    last = now;
  }
  return n;
}

TEST(TickRules, OverAMinuteOnlyTheSecondsDisplaysDrawEveryTick) {
  for (TickFace face : {TickFace::Digital, TickFace::Analog, TickFace::TransparentDigital}) {
    EXPECT_EQ(CountOverAMinute(face, false).drawing, 1) << int(face);
    EXPECT_EQ(CountOverAMinute(face, true).drawing, 60) << int(face);
  }
  EXPECT_EQ(CountOverAMinute(TickFace::Analog, true).whole, 1);
  EXPECT_EQ(CountOverAMinute(TickFace::TransparentDigital, false).whole, 1);
}

// --- holds -------------------------------------------------------------------

TEST(TickHolds, TheTickIsHeldUntilTheLastInteractionEndsInWhateverOrderTheyEnd) {
  TickHolds holds;
  EXPECT_FALSE(holds.Taken());
  {
    TickHold dialog(holds);
    {
      TickHold restyle(holds);   // a time change inside the dialog
      EXPECT_EQ(holds.Count(), 2u);
    }
    EXPECT_TRUE(holds.Taken()) << "an inner interaction never ends an outer one";
  }
  EXPECT_FALSE(holds.Taken());

  // A drag's hold lives in its object and may end before or after a scoped one.
  auto drag = std::make_unique<TickHold>(holds);
  {
    TickHold menu(holds);
    drag.reset();
    EXPECT_TRUE(holds.Taken());
  }
  EXPECT_FALSE(holds.Taken());

  holds.Give();
  EXPECT_EQ(holds.Count(), 0u) << "never below zero";
  {
    TickHold press(holds);
    EXPECT_TRUE(holds.Taken());
  }
  EXPECT_FALSE(holds.Taken());
}

// --- the alarms due over sequences of ticks ------------------------------------

static void TimerOff(AlarmSettings& s) { s.OnTimer = false; }
static void FirstAlarmOff(AlarmSettings& s) { s.Alarms[0].On = 0; }

// Alarms armed at the given times ("HH:MM"), numbered 1 upwards; "" leaves one
// off. Each rings every day, or on the weekdays given alarm by alarm; `change`
// is made last.
static AlarmSettings ArmedAt(std::initializer_list<const wchar_t*> times, std::initializer_list<uint32_t> days = {},
                             void (*change)(AlarmSettings&) = nullptr) {
  AlarmSettings s;
  s.OnTimer = true;
  int n = 0;
  for (const wchar_t* t : times) {
    if (*t) s.Alarms[n].SetTime(t);
    s.Alarms[n++].On = *t != 0;
  }
  n = 0;
  for (uint32_t d : days) s.Alarms[n++].SetDays(d);
  if (change) change(s);
  return s;
}

using Rung = std::vector<std::string>;

// The elapsed milliseconds at the wall time `t` of a clock never set.
static uint64_t Ms(const ClockTime& t) { return (uint64_t(MinuteNumber(t)) * 60 + t.Second) * 1000; }

// A tick that looks for alarms: its wall time, and the elapsed milliseconds
// then, those of a clock never set unless others are given.
struct Moment {
  Moment(const ClockTime& wall) : wall(wall), ms(Ms(wall)) {}
  Moment(const ClockTime& wall, uint64_t ms) : wall(wall), ms(ms) {}
  ClockTime wall;
  uint64_t ms;
};

// Each alarm the watch announces over the ticks, in the order announced:
// "n@HH:MM", then " late S" when it came more than a minute late (S seconds);
// with seen, " seen HH:MM:SS" for the tick that announced it and " late S"
// for any lateness at all.
static Rung Announce(AlarmWatch& watch, const AlarmSettings& alarms, const std::vector<Moment>& ticks,
                     bool seen = false) {
  Rung rung;
  for (const auto& [now, ms] : ticks) {
    watch.Look(alarms, now, ms);
    while (watch.Waiting()) {
      const DueAlarm due = watch.TakeNext();
      const uint32_t late = SecondsLate(due, now, ms);
      char text[64];
      int n = snprintf(text, sizeof text, "%d@%02u:%02u", due.Number, unsigned(due.Hour), unsigned(due.Minute));
      if (seen)
        n += snprintf(text + n, sizeof text - n, " seen %02u:%02u:%02u", unsigned(now.Hour), unsigned(now.Minute),
                      unsigned(now.Second));
      if (seen ? late > 0 : late > 60) snprintf(text + n, sizeof text - n, " late %u", unsigned(late));
      rung.push_back(text);
    }
  }
  return rung;
}

// A fresh watch, begun at `begun` where that is set, looks at each of the
// ticks in turn and must announce `rung`.
struct Run {
  const char* what;
  AlarmSettings alarms;
  std::vector<Moment> ticks;
  Rung rung;
  ClockTime begun = {};
};
static void ExpectRuns(std::initializer_list<Run> runs) {
  for (const Run& r : runs) {
    AlarmWatch watch;
    if (r.begun.Year) watch.Begin(r.begun);
    EXPECT_EQ(Announce(watch, r.alarms, r.ticks), r.rung) << r.what;
  }
}

// A look covers every minute since the last one: what a dialog, a stopped
// process or a sleep held back comes at the next look, in time order, as far
// back as twelve hours and no further.
TEST(AlarmWatch, EveryAlarmOfTheMinutesSinceTheLastLookComesOnceInTimeOrderBackToTwelveHours) {
  const AlarmSettings s = ArmedAt({L"07:31", L"07:30", L"07:31"}), far = ArmedAt({L"06:30", L"06:31", L"18:29"});
  ExpectRuns({
      {"the timer dialog open from 07:29:50 to 07:31:03", s, {Today(7, 29, 50), Today(7, 31, 3)},
       {"2@07:30 late 63", "1@07:31", "3@07:31"}},
      {"looked at every second: each in its own minute", s,
       {Today(7, 29, 59), Today(7, 30, 0), Today(7, 30, 1), Today(7, 31, 0)}, {"2@07:30", "1@07:31", "3@07:31"}},
      {"a gap of hours, 07:32:50 to 10:33:03: what fell into it comes late",
       ArmedAt({L"10:33", L"09:00", L"07:33", L"12:00"}), {Today(7, 32, 50), Today(10, 33, 3)},
       {"3@07:33 late 10803", "2@09:00 late 5583", "1@10:33"}},
      {"two alarms of one minute, both once", ArmedAt({L"10:00", L"", L"10:00"}),
       {Today(9, 59, 59), Today(10, 0, 0), Today(10, 0, 1), Today(10, 0, 59)}, {"1@10:00", "3@10:00"}},
      {"over midnight, into the next day's first minute", ArmedAt({L"00:00"}),
       {Today(23, 59, 30), TimeOf(2002, 3, 15, 0, 0, 30)}, {"1@00:00"}},
      {"twelve and a half hours away", far, {Today(6, 0, 0), Today(18, 30, 0)}, {"2@06:31 late 43140", "3@18:29"}},
      {"a day away: the last twelve hours' alarms, each once", far, {Today(6, 0, 0), TimeOf(2002, 3, 15, 6, 0, 0)},
       {"3@18:29 late 41460"}},
  });
}

// The first look of a watch never begun covers its own minute alone; one
// begun by a start covers every minute from the start's on.
TEST(AlarmWatch, AStartInsideTheMinuteRingsButNotTheMinuteBefore) {
  ExpectRuns({
      {"started at 07:30:40", ArmedAt({L"07:30", L"07:29"}), {Today(7, 30, 40), Today(7, 30, 41)}, {"1@07:30"}},
      {"begun inside 07:29, first looked at two minutes later", ArmedAt({L"07:28", L"07:29", L"07:30"}),
       {Today(7, 31, 10)}, {"2@07:29 late 130", "3@07:30 late 70"}, Today(7, 29, 30)},
  });
}

TEST(AlarmWatch, AClockPutBackOrAChangeOfDaylightSavingTimeRingsEachAlarmOnceButTheNextDayAgain) {
  ExpectRuns({
      {"set back over both, then the next day", ArmedAt({L"07:30", L"07:40"}),
       {Today(7, 29, 0), Today(7, 30, 0), Today(7, 41, 0), Today(7, 20, 0), Today(7, 30, 0), Today(7, 35, 0),
        Today(7, 40, 0), Today(7, 45, 0), TimeOf(2002, 3, 15, 7, 30, 0), TimeOf(2002, 3, 15, 7, 40, 0)},
       {"1@07:30", "2@07:40", "1@07:30", "2@07:40"}},
      {"put back into an alarm's minute that has not rung yet", ArmedAt({L"07:30", L"07:40"}),
       {Today(7, 45, 0), Today(7, 30, 20)}, {"1@07:30"}},
      {"spring forward: 02:00 becomes 03:00, the skipped hour's alarm rings", ArmedAt({L"02:30", L"03:00"}),
       {Today(1, 59, 59), Today(3, 0, 0)}, {"1@02:30 late 1800", "2@03:00"}},
      {"fall back: 02:00 becomes 01:00 again, the hour's alarms rang the first time", ArmedAt({L"01:30", L"01:59"}),
       {Today(1, 29, 59), Today(1, 30, 0), Today(1, 59, 0), Today(1, 59, 59), Today(1, 0, 0), Today(1, 30, 0),
        Today(1, 59, 0), Today(2, 0, 0)}, {"1@01:30", "2@01:59"}},
  });
}

TEST(AlarmWatch, NothingIsDueWithTheTimerOrTheAlarmOff) {
  ExpectRuns({
      {"the timer off", ArmedAt({L"07:30"}, {}, TimerOff), {Today(7, 29, 0), Today(7, 31, 0)}, {}},
      {"the alarm off", ArmedAt({L"07:30"}, {}, FirstAlarmOff), {Today(7, 29, 0), Today(7, 31, 0)}, {}},
      {"the default record: every alarm at 00:00 but none armed", ArmedAt({}),
       {Today(23, 59, 0), TimeOf(2002, 3, 15, 0, 0, 0)}, {}},
  });
}

TEST(AlarmWatch, MinutesCountStraightOverTheEndsOfMonthsAndYears) {
  EXPECT_EQ(MinuteNumber(TimeOf(2002, 3, 1, 0, 0, 0)) - MinuteNumber(TimeOf(2002, 2, 28, 23, 59, 0)), 1);
  EXPECT_EQ(MinuteNumber(TimeOf(2004, 3, 1, 0, 0, 0)) - MinuteNumber(TimeOf(2004, 2, 28, 0, 0, 0)), 2 * 1440);
  EXPECT_EQ(MinuteNumber(TimeOf(2002, 1, 1, 0, 0, 0)) - MinuteNumber(TimeOf(2001, 12, 31, 23, 59, 0)), 1);
  EXPECT_EQ(MinuteNumber(TimeOf(2001, 1, 1, 0, 0, 0)) - MinuteNumber(TimeOf(2000, 1, 1, 0, 0, 0)), 366 * 1440);
}

// In the Japanese and the English texts' forms; a notice too long for its
// buffer is cut, never written past it.
TEST(AlarmWatch, TheLatenessIsToldFromMoreThanAMinuteOn) {
  const LatenessForms japanese = {L"%u時間%u分遅れ", L"%u時間遅れ", L"%u分遅れ"};
  const LatenessForms english = {L"%u h %u min late", L"%u h late", L"%u min late"};
  struct Case { uint32_t seconds; const wchar_t* ja; const wchar_t* en; };
  for (const Case& c : {Case{0, L"", L""}, Case{60, L"", L""}, Case{61, L"1分遅れ", L"1 min late"},
                        Case{3 * 60 + 59, L"3分遅れ", L"3 min late"}, Case{7200, L"2時間遅れ", L"2 h late"},
                        Case{2 * 3600 + 12 * 60 + 9, L"2時間12分遅れ", L"2 h 12 min late"}}) {
    wchar_t text[48];
    FormatLateness(c.seconds, japanese, text, 48);
    EXPECT_STREQ(text, c.ja) << c.seconds;
    FormatLateness(c.seconds, english, text, 48);
    EXPECT_STREQ(text, c.en) << c.seconds;
    wchar_t cut[8];
    cut[7] = L'#';
    FormatLateness(c.seconds, english, cut, 7);
    EXPECT_EQ(std::wstring(cut), std::wstring(c.en).substr(0, 6)) << c.seconds;
    EXPECT_EQ(cut[7], L'#') << "nothing past the capacity";
  }
}

TEST(AlarmWatch, WhatWaitsBehindANotificationLeftOpenForADayMakesWayForTheNewDay) {
  AlarmSettings s = ArmedAt({L"07:00", L"07:01", L"07:02", L"07:03"});
  AlarmWatch watch;
  for (const ClockTime& t : {Today(6, 59, 59), Today(7, 3, 30)}) watch.Look(s, t, Ms(t));
  EXPECT_EQ(watch.TakeNext().Number, 1);   // announced, and left open a day
  watch.Look(s, TimeOf(2002, 3, 15, 7, 10, 0), Ms(TimeOf(2002, 3, 15, 7, 10, 0)));
  std::vector<int32_t> waiting;
  while (watch.Waiting()) waiting.push_back(watch.TakeNext().At);
  const int32_t day = MinuteNumber(TimeOf(2002, 3, 15, 0, 0, 0));
  EXPECT_EQ(waiting, (std::vector<int32_t>{day + 420, day + 421, day + 422, day + 423}));
}

// --- weekdays and the snooze ---------------------------------------------------

// 10 March 2002 was a Sunday.
static ClockTime WeekDay(int day, int h, int m, int s) { return TimeOf(2002, 3, 10 + day, h, m, s); }
static const char* const kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

TEST(AlarmWatch, AnAlarmRingsOnlyOnItsWeekdaysAndMidnightBelongsToTheDayThatBegins) {
  for (int only = 0; only < 7; ++only) {
    const AlarmSettings s = ArmedAt({L"00:00", L"23:59"}, {1u << only, 1u << only});
    std::vector<std::string> rung, expected;
    AlarmWatch watch;
    // Every minute around each midnight of eight days, looked at in turn.
    for (int day = 0; day < 8; ++day) {
      for (ClockTime now : {WeekDay(day, 23, 58, 59), WeekDay(day, 23, 59, 0), WeekDay(day + 1, 0, 0, 0),
                            WeekDay(day + 1, 0, 0, 1)}) {
        watch.Look(s, now, Ms(now));
        while (watch.Waiting())
          rung.push_back(std::to_string(watch.TakeNext().Number) + " " + kDayNames[(now.Day - 10) % 7]);
      }
      if (day % 7 == only) expected.push_back(std::string("2 ") + kDayNames[only]);
      if ((day + 1) % 7 == only) expected.push_back(std::string("1 ") + kDayNames[only]);
    }
    EXPECT_EQ(rung, expected) << kDayNames[only];
  }
  // Over a held midnight, each alarm is caught up for the day of its own minute.
  const AlarmSettings s = ArmedAt({L"23:55", L"00:05"}, {0x3E, 0x01});   // Monday to Friday; Sunday
  ExpectRuns({
      {"Saturday night to Sunday", s, {WeekDay(6, 23, 50, 0), WeekDay(7, 0, 10, 0)}, {"2@00:05 late 300"}},
      {"Friday night to Saturday", s, {WeekDay(5, 23, 50, 0), WeekDay(6, 0, 10, 0)}, {"1@23:55 late 900"}},
      {"no day at all: it never rings", ArmedAt({L"23:55", L"00:05"}, {0, 0x80}),
       {WeekDay(0, 0, 0, 0), WeekDay(0, 11, 0, 0), WeekDay(0, 23, 0, 0), WeekDay(1, 10, 0, 0), WeekDay(1, 23, 59, 0)},
       {}},
  });
}

// The alarms announced when alarm 1, rung at 07:30, is snoozed at `pressed`
// for `minutes`; `change` alters the settings after the snooze.
static Rung AfterSnooze(ClockTime pressed, uint32_t minutes, const std::vector<Moment>& ticks,
                        void (*change)(AlarmSettings&) = nullptr) {
  AlarmSettings s = ArmedAt({L"07:30"});
  AlarmWatch watch;
  watch.Look(s, Today(7, 30, 0), Ms(Today(7, 30, 0)));
  EXPECT_EQ(watch.TakeNext().Number, 1);
  watch.Snooze(1, Ms(pressed), minutes);
  if (change) change(s);
  return Announce(watch, s, ticks, true);
}

TEST(AlarmWatch, ASnoozedAlarmComesOnceItsMinutesAfterThePressOrLateAfterAHold) {
  // Snoozed at 07:30:40 for five minutes: due at 07:35:40, once.
  EXPECT_EQ(AfterSnooze(Today(7, 30, 40), 5, {Today(7, 30, 41), Today(7, 35, 0), Today(7, 35, 39), Today(7, 35, 40),
                                             Today(7, 35, 41), Today(7, 36, 0)}),
            (Rung{"1@07:35 seen 07:35:40"}));
  // Its time held by a dialog: caught up at the first look after it.
  EXPECT_EQ(AfterSnooze(Today(7, 30, 40), 1, {Today(7, 30, 50), Today(7, 40, 3), Today(7, 41, 0)}),
            (Rung{"1@07:31 seen 07:40:03 late 503"}));
  // The latest snooze of an alarm is the one that comes.
  AlarmSettings s = ArmedAt({L"07:30"});
  AlarmWatch watch;
  watch.Snooze(1, Ms(Today(7, 30, 10)), 5);
  watch.Snooze(1, Ms(Today(7, 30, 20)), 10);
  EXPECT_EQ(Announce(watch, s, {Today(7, 30, 30), Today(7, 35, 10)}), Rung{"1@07:30"}) << "the alarm's own minute";
  watch.Look(s, Today(7, 40, 20), Ms(Today(7, 40, 20)));
  EXPECT_EQ(watch.TakeNext().At, MinuteNumber(Today(7, 40, 0)));
}

// Pressed at 10:00:57 for a minute, it comes a minute of elapsed time later,
// wherever the wall clock was set meanwhile; after a sleep, at once and late.
TEST(AlarmWatch, ASnoozeCountsElapsedTimeWhateverTheWallClockDoes) {
  const uint64_t pressed = 5000000;
  const AlarmSettings s = ArmedAt({L"10:00"});
  struct Case { const char* what; std::vector<Moment> ticks; Rung rung; };
  const Case cases[] = {
      {"to the second", {{Today(10, 1, 0), pressed + 3000}, {Today(10, 1, 56), pressed + 59000},
                         {Today(10, 1, 57), pressed + 60000}}, {"1@10:01 seen 10:01:57"}},
      {"the wall clock put back an hour", {{Today(9, 1, 0), pressed + 3000}, {Today(9, 1, 57), pressed + 60000}},
       {"1@09:01 seen 09:01:57"}},
      {"the wall clock put forward an hour", {{Today(11, 1, 0), pressed + 3000}, {Today(11, 1, 56), pressed + 59000},
                                              {Today(11, 1, 57), pressed + 60000}}, {"1@11:01 seen 11:01:57"}},
      {"a sleep of two hours", {{Today(12, 0, 57), pressed + 7200000}}, {"1@10:01 seen 12:00:57 late 7140"}},
  };
  for (const Case& c : cases) {
    AlarmWatch watch;
    watch.Look(s, Today(10, 0, 0), pressed - 57000);
    watch.TakeNext();
    watch.Snooze(1, pressed, 1);
    EXPECT_EQ(Announce(watch, s, c.ticks, true), c.rung) << c.what;
  }
}

// The dialog open from 07:04:55 to 07:06:05, OK pressed at its end.
TEST(AlarmWatch, WhatOkChangedCountsFromItsMinuteAndTheRestIsCaughtUp) {
  struct Case { const char* what; void (*before)(AlarmSettings&); Rung rung; };
  const Case cases[] = {
      {"nothing changed", nullptr, {"1@07:05 late 65", "2@07:05 late 65"}},
      {"the timer switched on", TimerOff, {}},
      {"alarm 1 armed", FirstAlarmOff, {"2@07:05 late 65"}},
      {"alarm 1 retimed", [](AlarmSettings& s) { s.Alarms[0].SetTime(L"09:00"); }, {"2@07:05 late 65"}},
      {"alarm 1 given its weekday", [](AlarmSettings& s) { s.Alarms[0].SetDays(0); }, {"2@07:05 late 65"}},
  };
  for (const Case& c : cases) {
    const AlarmSettings before = ArmedAt({L"07:05", L"07:05"}, {}, c.before), after = ArmedAt({L"07:05", L"07:05"});
    AlarmWatch watch;
    watch.Look(before, Today(7, 4, 55), Ms(Today(7, 4, 55)));
    watch.Edited(before, after, Today(7, 6, 5));
    EXPECT_EQ(Announce(watch, after, {Today(7, 6, 5), Today(7, 6, 6)}), c.rung) << c.what;
  }
  // Set at 07:20 to 07:10, an alarm means tomorrow; retimed to OK's own
  // minute, it rings in it.
  const AlarmSettings before = ArmedAt({L"07:00", L"07:00"}), after = ArmedAt({L"07:10", L"07:20"});
  AlarmWatch watch;
  EXPECT_EQ(Announce(watch, before, {Today(7, 0, 30)}), (Rung{"1@07:00", "2@07:00"}));
  watch.Edited(before, after, Today(7, 20, 10));
  EXPECT_EQ(Announce(watch, after, {Today(7, 20, 10), TimeOf(2002, 3, 15, 7, 10, 0)}), (Rung{"2@07:20", "1@07:10"}));
}

// Alarms due again and again while the clock is put back, snoozes due, and
// announcements put back: the queue holds each alarm's time and snooze once.
TEST(AlarmWatch, TheQueueHoldsEachAlarmsTimeAndSnoozeOnceWhateverWaits) {
  AlarmSettings s = ArmedAt({L"07:00", L"07:00", L"07:00", L"07:00"});
  AlarmWatch watch;
  uint64_t ms = 1000000;
  for (int n = 1; n <= kDailyAlarms; ++n) watch.Snooze(n, ms, 10);
  for (int day : {14, 13, 12, 11, 10}) {   // the snoozes come due on the way
    ms += 150000;
    watch.Look(s, TimeOf(2002, 3, day, 7, 0, 0), ms);
  }
  watch.PutBack(DueAlarm{1, 0, 0, MinuteNumber(Today(6, 0, 0))});   // alarm 1 again, of 06:00
  std::vector<std::string> waiting;
  while (watch.Waiting()) {
    const DueAlarm due = watch.TakeNext();
    waiting.push_back(std::to_string(due.Number) + (due.SnoozeDue ? " snooze" : " time"));
  }
  EXPECT_EQ(waiting.size(), size_t(AlarmWatch::kQueueCapacity));
  std::sort(waiting.begin(), waiting.end());
  EXPECT_EQ(std::unique(waiting.begin(), waiting.end()), waiting.end()) << "each once";
}

TEST(ElapsedClock, CarriesOnOverTheWrapOfTheSystemsMilliseconds) {
  ElapsedClock clock;
  EXPECT_EQ(clock.Extend(0xFFFFFF00u), 0xFFFFFF00u);
  EXPECT_EQ(clock.Extend(0x10u), 0x100000010u);
  EXPECT_EQ(clock.Extend(0x20u), 0x100000020u);
}

TEST(AlarmWatch, SwitchingTheAlarmOrTheTimerOffCancelsItsSnooze) {
  for (auto off : {FirstAlarmOff, TimerOff})
    EXPECT_TRUE(AfterSnooze(Today(7, 30, 40), 1, {Today(7, 31, 0), Today(7, 32, 0)}, off).empty());
  // Off for one look and on again: the snooze stays cancelled.
  AlarmSettings s = ArmedAt({L"07:30"});
  AlarmWatch watch;
  watch.Snooze(1, Ms(Today(7, 20, 0)), 5);
  EXPECT_TRUE(Announce(watch, ArmedAt({L"07:30"}, {}, FirstAlarmOff), {Today(7, 21, 0)}).empty());
  EXPECT_TRUE(Announce(watch, s, {Today(7, 25, 0), Today(7, 26, 0)}).empty());
  // Its weekdays do not hold back a snooze taken on a day the alarm rang.
  s.Alarms[0].SetDays(0);
  watch.Snooze(1, Ms(Today(7, 27, 0)), 1);
  watch.Look(s, Today(7, 28, 0), Ms(Today(7, 28, 0)));
  EXPECT_EQ(watch.TakeNext().Number, 1);
}

// --- the hourly chime ----------------------------------------------------------

TEST(ChimeWatch, OnceAtTheStartOfAnHourInRangeNeverLateNorAgainWhenPutBackNorOverAnAlarm) {
  AlarmSettings a = ArmedAt({L"", L"12:00"});
  a.OnChime = true;
  a.ChimeFrom = 7;
  a.ChimeTo = 22;
  ChimeWatch w;
  // Ticks of 2002-03-14 in turn (hour, minute, second) and whether each chimes.
  const int ticks[][4] = {{7, 59, 59, 0}, {8, 0, 0, 1}, {8, 0, 1, 0}, {8, 1, 0, 0},
                          {7, 59, 50, 0}, {8, 0, 0, 0},   // put back over the hour
                          {10, 3, 0, 0},  {11, 0, 40, 1},  // a gap over 9 and 10
                          {12, 0, 0, 0},  {22, 0, 0, 1}, {23, 0, 0, 0}};   // the alarm's minute
  for (const auto& t : ticks)
    EXPECT_EQ(w.Due(a, TimeOf(2002, 3, 14, t[0], t[1], t[2], 4)), t[3] != 0) << t[0] << ":" << t[1];
  a.ChimeFrom = 22;   // to 6 the next morning
  a.ChimeTo = 6;
  for (int h = 0; h < 24; ++h) EXPECT_EQ(w.Due(a, TimeOf(2002, 3, 15, h, 0, 0, 5)), h >= 22 || h <= 6) << h;
  a.OnTimer = false;
  EXPECT_FALSE(w.Due(a, TimeOf(2002, 3, 16, 23, 0, 0, 6)));
}
