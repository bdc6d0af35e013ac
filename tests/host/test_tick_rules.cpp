#include <gtest/gtest.h>
#include <memory>
#include "timer/rules/TickHolds.h"
#include "timer/rules/TickRules.h"
#include "tests/host/ClockTimes.h"

static ClockTime Today(int h, int m, int s) { return TimeOf(2002, 3, 14, h, m, s); }

static TickInput Tick(ClockTime previous, ClockTime now) {
  TickInput in;
  in.Now = now;
  in.TickTime = previous;
  in.TitleDate = previous;
  in.MinuteChanged = false;
  in.FullRedrawPending = false;
  in.Face = TickFace::Digital;
  in.ShowSeconds = false;
  return in;
}

// --- new minute --------------------------------------------------------------

TEST(TickRules, NewMinuteIsNoticedAtWhateverSecondItIsFirstSeen) {
  EXPECT_FALSE(DecideTick(Tick(Today(9, 5, 7), Today(9, 5, 8))).NewMinute);
  EXPECT_TRUE(DecideTick(Tick(Today(9, 5, 59), Today(9, 6, 0))).NewMinute);
  // Seconds 0 and 1 lost to merged ticks or a suspension: caught up later.
  EXPECT_TRUE(DecideTick(Tick(Today(9, 5, 59), Today(9, 6, 2))).NewMinute);
  EXPECT_TRUE(DecideTick(Tick(Today(9, 5, 40), Today(9, 6, 37))).NewMinute);
}

TEST(TickRules, NewMinuteComparesDateAndHourNotOnlyTheMinuteNumber) {
  // An hour-long menu or a sleep that ends on the same minute number.
  EXPECT_TRUE(DecideTick(Tick(Today(9, 5, 10), Today(10, 5, 12))).NewMinute);
  EXPECT_TRUE(DecideTick(Tick(TimeOf(2002, 3, 13, 9, 5, 10), Today(9, 5, 12))).NewMinute);
  EXPECT_TRUE(DecideTick(Tick(TimeOf(2001, 3, 14, 9, 5, 10), Today(9, 5, 12))).NewMinute);
}

TEST(TickRules, AlarmsAreLookedForOnlyOnTheFirstProcessedTickOfAMinute) {
  EXPECT_TRUE(DecideTick(Tick(Today(7, 29, 59), Today(7, 30, 0))).CheckAlarms);
  EXPECT_TRUE(DecideTick(Tick(Today(7, 29, 50), Today(7, 30, 25))).CheckAlarms);
  EXPECT_FALSE(DecideTick(Tick(Today(7, 30, 0), Today(7, 30, 1))).CheckAlarms);
  // A change of display sets MinuteChanged; it is no new minute for alarms.
  TickInput in = Tick(Today(7, 30, 20), Today(7, 30, 21));
  in.MinuteChanged = true;
  EXPECT_FALSE(DecideTick(in).CheckAlarms);
}

// --- title -------------------------------------------------------------------

TEST(TickRules, TitleIsRenewedWhenTheTickHasAnotherDateThanTheTitle) {
  TickInput midnight = Tick(Today(23, 59, 59), TimeOf(2002, 3, 15, 0, 0, 0));
  EXPECT_TRUE(DecideTick(midnight).RenewTitle);

  TickInput sameDay = Tick(Today(12, 0, 0), Today(12, 0, 1));
  EXPECT_FALSE(DecideTick(sameDay).RenewTitle);

  // Slept over midnight, or suspended through its first seconds.
  TickInput late = Tick(Today(23, 40, 0), TimeOf(2002, 3, 15, 6, 30, 12));
  EXPECT_TRUE(DecideTick(late).RenewTitle);
  TickInput afterMenu = Tick(Today(23, 59, 58), TimeOf(2002, 3, 15, 0, 0, 9));
  EXPECT_TRUE(DecideTick(afterMenu).RenewTitle);

  // The system date set to another day at noon.
  TickInput dateSet = Tick(Today(12, 0, 0), TimeOf(2002, 5, 1, 12, 0, 1));
  EXPECT_TRUE(DecideTick(dateSet).RenewTitle);

  // The title's date is what counts, not the last tick's.
  TickInput stale = Tick(TimeOf(2002, 3, 15, 0, 0, 5), TimeOf(2002, 3, 15, 0, 0, 6));
  stale.TitleDate = Today(0, 0, 0);
  EXPECT_TRUE(DecideTick(stale).RenewTitle);
  // A title that was never set (all zero) is renewed at the first tick.
  TickInput never = Tick(Today(8, 0, 0), Today(8, 0, 1));
  never.TitleDate = ClockTime();
  EXPECT_TRUE(DecideTick(never).RenewTitle);
}

// --- redraw --------------------------------------------------------------------

struct RedrawCase {
  TickFace face;
  bool seconds, minuteChanged, fullPending;
  TickRedraw expected;
};

TEST(TickRules, EachDisplayRedrawsOnlyWhatChanged) {
  using R = TickRedraw;
  const TickFace A = TickFace::Analog, T = TickFace::TransparentDigital, D = TickFace::Digital;
  const RedrawCase cases[] = {
      // Analog without seconds: once a minute; a pending full redraw waits
      // for the minute (a paint has drawn the face meanwhile).
      {A, false, false, false, R::Nothing},
      {A, false, false, true, R::Nothing},
      {A, false, true, false, R::WholeAnalogFace},
      {A, false, true, true, R::WholeAnalogFace},
      // Analog with seconds: the second hand alone, unless something asks for more.
      {A, true, false, false, R::SecondHand},
      {A, true, false, true, R::WholeAnalogFace},
      {A, true, true, false, R::WholeAnalogFace},
      // Transparent digital: drawn only when the text or the display
      // changed, re-stacked with every change but the next second.
      {T, false, false, false, R::Nothing},
      {T, true, false, false, R::RedrawInPlace},
      {T, false, true, false, R::PushToBottom},
      {T, true, true, false, R::PushToBottom},
      {T, false, false, true, R::PushToBottom},
      // Digital: repainted when the text or the display changed.
      {D, false, false, false, R::Nothing},
      {D, true, false, false, R::Repaint},
      {D, false, true, false, R::Repaint},
      {D, false, false, true, R::Repaint},
  };
  for (const RedrawCase& c : cases) {
    EXPECT_EQ(RedrawFor(c.face, c.seconds, c.minuteChanged, c.fullPending), c.expected)
        << "face " << int(c.face) << " seconds " << c.seconds << " minute " << c.minuteChanged
        << " pending " << c.fullPending;
  }
}

TEST(TickRules, ANewMinuteRedrawsTheWholeFaceEvenWithoutAnyFlagSet) {
  TickInput in = Tick(Today(9, 5, 59), Today(9, 6, 3));
  in.Face = TickFace::Analog;
  in.ShowSeconds = true;
  EXPECT_EQ(DecideTick(in).Redraw, TickRedraw::WholeAnalogFace);
  in.Face = TickFace::Digital;
  in.ShowSeconds = false;
  EXPECT_EQ(DecideTick(in).Redraw, TickRedraw::Repaint);
}

// Runs a minute of ticks the way the tick keeps its flags and counts those
// that draw anything, and those that redraw the whole face.
struct MinuteCount {
  int drawing = 0;
  int whole = 0;
};
static MinuteCount CountOverAMinute(TickFace face, bool seconds) {
  MinuteCount n;
  ClockTime last = Today(10, 0, 29);
  bool minuteChanged = false, fullPending = false;
  for (int i = 0; i < 60; ++i) {
    int total = 30 + i;
    ClockTime now = Today(10, total / 60, total % 60);
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
  EXPECT_EQ(CountOverAMinute(TickFace::Digital, false).drawing, 1);
  EXPECT_EQ(CountOverAMinute(TickFace::Digital, true).drawing, 60);
  EXPECT_EQ(CountOverAMinute(TickFace::Analog, false).drawing, 1);
  MinuteCount analog = CountOverAMinute(TickFace::Analog, true);
  EXPECT_EQ(analog.drawing, 60);
  EXPECT_EQ(analog.whole, 1);
  MinuteCount transparent = CountOverAMinute(TickFace::TransparentDigital, false);
  EXPECT_EQ(transparent.drawing, 1);
  EXPECT_EQ(transparent.whole, 1);
  EXPECT_EQ(CountOverAMinute(TickFace::TransparentDigital, true).drawing, 60);
}

// --- alarms -------------------------------------------------------------------------

static AlarmSettings Armed(int n, int h, int m) {
  AlarmSettings s;
  s.OnTimer = true;
  s.Alarms[n - 1].Hour = uint16_t(h);
  s.Alarms[n - 1].Minute = uint16_t(m);
  s.Alarms[n - 1].On = 1;
  return s;
}

TEST(TickRules, AnArmedAlarmIsDueThroughoutItsMinuteNotOnlyAtItsFirstSeconds) {
  AlarmSettings s = Armed(1, 7, 30);
  NotifiedMinute none;
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 30, 0), none), 1);
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 30, 2), none), 1);
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 30, 59), none), 1);
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 31, 0), none), 0);
  EXPECT_EQ(FirstDueAlarm(s, Today(19, 30, 0), none), 0);
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 29, 59), none), 0);
}

TEST(TickRules, NoAlarmIsDueWithTheTimerOrItsOwnSwitchOff) {
  NotifiedMinute none;
  AlarmSettings timerOff = Armed(2, 7, 30);
  timerOff.OnTimer = false;
  EXPECT_EQ(FirstDueAlarm(timerOff, Today(7, 30, 0), none), 0);
  AlarmSettings alarmOff = Armed(2, 7, 30);
  alarmOff.Alarms[1].On = 0;
  EXPECT_EQ(FirstDueAlarm(alarmOff, Today(7, 30, 0), none), 0);
  // The default record: every alarm at 00:00 but none armed.
  AlarmSettings defaults;
  defaults.OnTimer = true;
  EXPECT_EQ(FirstDueAlarm(defaults, Today(0, 0, 0), none), 0);
}

TEST(TickRules, OfSeveralAlarmsInOneMinuteOnlyTheLowestNumberedIsNotified) {
  AlarmSettings s = Armed(2, 7, 30);
  s.Alarms[2].Hour = 7;
  s.Alarms[2].Minute = 30;
  s.Alarms[2].On = 1;
  s.Alarms[3].Hour = 7;
  s.Alarms[3].Minute = 31;
  s.Alarms[3].On = 1;
  NotifiedMinute none;
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 30, 0), none), 2);
  // Alarm 2 notified: alarm 3 of the same minute does not follow.
  NotifiedMinute afterTwo{true, Today(7, 30, 0)};
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 30, 6), afterTwo), 0);
  // Alarm 4 has a minute of its own.
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 31, 0), afterTwo), 4);
}

TEST(TickRules, AnAlarmMinuteIsNotifiedOnceButTheSameTimeTomorrowAgain) {
  AlarmSettings s = Armed(1, 7, 30);
  NotifiedMinute notified{true, Today(7, 30, 0)};
  // A notification closed within its minute, with either face, or the
  // system clock put back over the alarm's minute.
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 30, 1), notified), 0);
  EXPECT_EQ(FirstDueAlarm(s, Today(7, 30, 45), notified), 0);
  EXPECT_EQ(FirstDueAlarm(s, TimeOf(2002, 3, 15, 7, 30, 0), notified), 1);
  EXPECT_EQ(FirstDueAlarm(s, TimeOf(2003, 3, 14, 7, 30, 0), notified), 1);
}

TEST(TickRules, AnAlarmWhoseMinuteBeganDuringASuspensionIsCaughtUpWithinIt) {
  // The menu was open from 7:29:50 to 7:30:40: the first processed tick
  // after it is the first of the alarm's minute.
  TickInput in = Tick(Today(7, 29, 50), Today(7, 30, 41));
  TickDecision d = DecideTick(in);
  ASSERT_TRUE(d.CheckAlarms);
  EXPECT_EQ(FirstDueAlarm(Armed(3, 7, 30), in.Now, NotifiedMinute()), 3);
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
