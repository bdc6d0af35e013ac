#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "app/ClockTick.h"
#include "app/MainWindow.h"
#include "face/ClockPainter.h"
#include "res/resource.h"
#include "tests/win/FaceTestSupport.h"
#include "tests/win/RelayTrace.h"
#include "tests/win/TestSupport.h"
#include "timer/DateTitle.h"
#include "timer/TickState.h"

namespace {

struct HandOver {
  int alarm;
  bool held;
  SYSTEMTIME tickTime;
  DueAlarm announced;   // as it stands when the notification ends
  uint32_t late;        // seconds
};
std::vector<HandOver> handOvers;
// What happens to the window while the notification is open, and the ticks
// that the notification's own message loop would deliver meanwhile.
std::function<void(HWND)> insideNotification;
std::vector<SYSTEMTIME> ticksDuringNotification;
// Whether the notification could be shown.
bool notificationShows = true;

bool RecordHandOver(HWND owner, int n) {
  handOvers.push_back({n, Tick.Held(), Tick.TickTime, DueAlarm(), Tick.AnnouncedLate});
  if (insideNotification) insideNotification(owner);
  for (const SYSTEMTIME& t : ticksDuringNotification) ClockTickAt(owner, t);
  handOvers.back().announced = Tick.Announced;
  return notificationShows;
}

class ClockTickTest : public testing::Test {
protected:
  void SetUp() override {
    saved_ = AlarmHandOver;
    AlarmHandOver = RecordHandOver;
    handOvers.clear();
    insideNotification = nullptr;
    ticksDuringNotification.clear();
    notificationShows = true;
    Tick.MinuteChanged = false;
    Tick.FullRedrawPending = false;
    // An earlier test's watch (its rung minutes, an edit's minute) is not this one's.
    Tick.Watch = AlarmWatch();
    ASSERT_NE(window.get(), nullptr);
  }
  void TearDown() override { AlarmHandOver = saved_; }

  void Arm(int n, int h, int m) {
    app->Alarms.OnTimer = true;
    AlarmEntry& a = app->Alarms.Alarms[n - 1];
    a.Hour = WORD(h);
    a.Minute = WORD(m);
    a.On = 1;
  }
  void TickAt(const SYSTEMTIME& now) { ClockTickAt(window.get(), now); }
  std::string Title() {
    char text[200];
    GetWindowTextA(window.get(), text, sizeof text);
    return text;
  }

  ScopedApp app;
  ScopedTickTime time;
  HiddenWindow window{116, 45};

private:
  bool (*saved_)(HWND, int) = nullptr;
};

TEST_F(ClockTickTest, EachAlarmOfAMinuteIsHandedOverOnceOneTickAfterAnother) {
  Arm(2, 7, 30);
  Arm(3, 7, 30);
  Tick.TickTime = SystemTimeOf(2010, 6, 1, 7, 29, 58, 2);
  TickAt(SystemTimeOf(2010, 6, 1, 7, 29, 59, 2));
  EXPECT_TRUE(handOvers.empty());
  // Seconds 0 to 2 were lost (a menu, merged ticks): caught up at second 3.
  TickAt(SystemTimeOf(2010, 6, 1, 7, 30, 3, 2));
  ASSERT_EQ(handOvers.size(), 1u);
  EXPECT_EQ(handOvers[0].alarm, 2);   // the lower-numbered of the two first
  EXPECT_TRUE(handOvers[0].held);
  EXPECT_EQ(handOvers[0].tickTime.wSecond, 3);
  EXPECT_FALSE(Tick.Held());
  EXPECT_TRUE(Tick.MinuteChanged);   // the next tick redraws everything

  TickAt(SystemTimeOf(2010, 6, 1, 7, 30, 4, 2));
  ASSERT_EQ(handOvers.size(), 2u);
  EXPECT_EQ(handOvers[1].alarm, 3);
  for (int s : {5, 30, 59}) TickAt(SystemTimeOf(2010, 6, 1, 7, 30, s, 2));
  TickAt(SystemTimeOf(2010, 6, 1, 7, 31, 0, 2));
  EXPECT_EQ(handOvers.size(), 2u);

  TickAt(SystemTimeOf(2010, 6, 2, 7, 30, 0, 3));   // the same time the next day
  ASSERT_EQ(handOvers.size(), 3u);
  EXPECT_EQ(handOvers[2].alarm, 2);
}

TEST_F(ClockTickTest, TicksDuringTheNotificationKeepTheFacesTimeAndTheAlarmsOwnMinute) {
  Arm(1, 8, 0);
  Tick.TickTime = SystemTimeOf(2011, 2, 3, 7, 59, 59, 4);
  ticksDuringNotification = {SystemTimeOf(2011, 2, 3, 8, 0, 1, 4),
                             SystemTimeOf(2011, 2, 3, 8, 1, 0, 4)};
  TickAt(SystemTimeOf(2011, 2, 3, 8, 0, 0, 4));
  ASSERT_EQ(handOvers.size(), 1u);
  EXPECT_EQ(Tick.TickTime.wMinute, 1) << "the face went on behind the notification";
  EXPECT_EQ(handOvers[0].announced.Number, 1);
  EXPECT_EQ(handOvers[0].announced.Minute, 0) << "the notification shows its alarm's time";
  EXPECT_EQ(Tick.Announced.Number, 0) << "nothing is announced once it has ended";
}

TEST_F(ClockTickTest, ANotificationClosedWithinItsMinuteIsNotRepeatedWithEitherFace) {
  for (bool analog : {false, true}) {
    SCOPED_TRACE(analog ? "analog" : "digital");
    handOvers.clear();
    app->Flags.SetFlag(OnAnalog, analog);
    if (analog) app->Analog = new ClockPainter(window.get(), 108, 108, app->Font.BkColor(), false, false);
    int day = analog ? 5 : 4;
    Arm(4, 12, 15);
    Tick.TickTime = SystemTimeOf(2012, 1, day, 12, 14, 59, 3);
    TickAt(SystemTimeOf(2012, 1, day, 12, 15, 0, 3));
    TickAt(SystemTimeOf(2012, 1, day, 12, 15, 1, 3));   // the notification closed at once
    TickAt(SystemTimeOf(2012, 1, day, 12, 15, 2, 3));
    EXPECT_EQ(handOvers.size(), 1u);
    app->DeleteFaces();
  }
}

TEST_F(ClockTickTest, AClockPutBackOverANotifiedMinuteDoesNotAnnounceItAgain) {
  Arm(1, 6, 45);
  Tick.TickTime = SystemTimeOf(2013, 4, 5, 6, 44, 59, 5);
  TickAt(SystemTimeOf(2013, 4, 5, 6, 45, 0, 5));
  TickAt(SystemTimeOf(2013, 4, 5, 6, 45, 20, 5));
  TickAt(SystemTimeOf(2013, 4, 5, 6, 44, 50, 5));   // the system time set back
  TickAt(SystemTimeOf(2013, 4, 5, 6, 45, 0, 5));
  EXPECT_EQ(handOvers.size(), 1u);
}

// A notification that could not be shown (no memory, no template) leaves
// its alarm due: the next tick tries again, with the alarm's own time.
TEST_F(ClockTickTest, ANotificationThatCannotBeShownIsTriedAgainAtTheNextTick) {
  app->Instance = GetModuleHandleA("kernel32.dll");   // holds no notification
  EXPECT_FALSE(OpenAlarmNotification(window.get(), 1));
  Arm(1, 6, 45);
  Tick.TickTime = SystemTimeOf(2013, 4, 7, 6, 44, 59, 0);
  notificationShows = false;
  TickAt(SystemTimeOf(2013, 4, 7, 6, 45, 0, 0));
  notificationShows = true;
  TickAt(SystemTimeOf(2013, 4, 7, 6, 45, 1, 0));
  TickAt(SystemTimeOf(2013, 4, 7, 6, 45, 2, 0));
  ASSERT_EQ(handOvers.size(), 2u);
  EXPECT_EQ(handOvers[1].alarm, 1);
  EXPECT_EQ(handOvers[1].announced.Minute, 45);
}

// Chimed from 7 to 22: one beep at 08:00, the alarm's, and no notification;
// none at 08:01.
TEST_F(ClockTickTest, AChimeMinuteGivesOneBeepAndOpensNoWindow) {
  if (InTracedChild()) {
    app->Alarms.OnTimer = app->Alarms.OnChime = true;
    app->Alarms.ChimeFrom = 7;
    OutputDebugStringA("08:00");
    for (int s : {0, 1, 30}) TickAt(SystemTimeOf(2010, 6, 1, 8, 0, s, 2));
    OutputDebugStringA("08:01");
    TickAt(SystemTimeOf(2010, 6, 1, 8, 1, 0, 2));
    EXPECT_TRUE(handOvers.empty());
    return;
  }
  std::vector<TracedCall> calls = TraceCurrentTest("KERNEL32.Beep");
  ASSERT_EQ(CallsOf(calls, "Beep").size(), 1u);
  EXPECT_EQ(CallsOf(calls, "Beep")[0].Arguments, "00000384,00000258") << "the alarm's 900 Hz, 600 ms";
  EXPECT_EQ(CallsBetween(calls, "Beep", "08:00", "08:01"), 1u) << "the beep came in 08:00's ticks";
}

TEST_F(ClockTickTest, NoAlarmWithTheTimerOff) {
  Arm(1, 6, 45);
  app->Alarms.OnTimer = false;
  Tick.TickTime = SystemTimeOf(2013, 4, 6, 6, 44, 59, 6);
  TickAt(SystemTimeOf(2013, 4, 6, 6, 45, 0, 6));
  EXPECT_TRUE(handOvers.empty());
}

TEST_F(ClockTickTest, TitleCarriesTheTicksDateAndFollowsItOverMidnight) {
  Tick.TickTime = SystemTimeOf(2002, 3, 14, 23, 59, 58, 4);
  UpdateCaption(window.get());
  EXPECT_EQ(Title(), "Tivora - 2002年3月14日(木)");

  // Midnight passes while a drag pauses the tick: nothing changes meanwhile...
  {
    TickHold press(Tick.Pauses);
    TickAt(SystemTimeOf(2002, 3, 15, 0, 0, 0, 5));
    TickAt(SystemTimeOf(2002, 3, 15, 0, 0, 1, 5));
    EXPECT_EQ(Title(), "Tivora - 2002年3月14日(木)");
    EXPECT_EQ(Tick.TickTime.wDay, 14);
  }
  // ...and the first processed tick after it brings the new date.
  TickAt(SystemTimeOf(2002, 3, 15, 0, 0, 6, 5));
  EXPECT_EQ(Title(), "Tivora - 2002年3月15日(金)");
  EXPECT_STREQ(FormatDateText(), L"2002年3月15日(金)");

  // Behind a menu the date follows at once.
  {
    TickHold menu(Tick.Holds);
    TickAt(SystemTimeOf(2002, 3, 16, 0, 0, 0, 6));
    EXPECT_EQ(Title(), "Tivora - 2002年3月16日(土)");
  }

  // The system date set to another day at noon.
  TickAt(SystemTimeOf(2002, 3, 15, 12, 0, 0, 5));
  TickAt(SystemTimeOf(2002, 5, 1, 12, 0, 1, 3));
  EXPECT_EQ(Title(), "Tivora - 2002年5月1日(水)");
}

TEST_F(ClockTickTest, APausedTickKeepsTheTimeAndTheRepaintFlagsAHeldOneKeepsTime) {
  Tick.TickTime = SystemTimeOf(2014, 7, 8, 10, 0, 0, 2);
  Tick.MinuteChanged = true;
  Tick.FullRedrawPending = true;
  {
    TickHold press(Tick.Pauses);
    TickAt(SystemTimeOf(2014, 7, 8, 10, 1, 0, 2));
    EXPECT_EQ(Tick.TickTime.wMinute, 0);
    EXPECT_TRUE(Tick.MinuteChanged);
    EXPECT_TRUE(Tick.FullRedrawPending);
  }
  TickAt(SystemTimeOf(2014, 7, 8, 10, 1, 1, 2));
  EXPECT_EQ(Tick.TickTime.wMinute, 1);
  EXPECT_FALSE(Tick.MinuteChanged);
  EXPECT_FALSE(Tick.FullRedrawPending);

  // A dialog open: the time goes on, and the alarm of its minute waits.
  Arm(1, 10, 2);
  {
    TickHold dialog(Tick.Holds);
    TickAt(SystemTimeOf(2014, 7, 8, 10, 2, 0, 2));
    EXPECT_EQ(Tick.TickTime.wMinute, 2);
    EXPECT_TRUE(handOvers.empty());
  }
  TickAt(SystemTimeOf(2014, 7, 8, 10, 3, 5, 2));
  ASSERT_EQ(handOvers.size(), 1u);
  EXPECT_EQ(handOvers[0].announced.Minute, 2);
  EXPECT_EQ(handOvers[0].late, 65u) << "announced as late";
}

TEST_F(ClockTickTest, ATimeChangeASizeOrARestyleInsideTheNotificationOpensNoSecondOne) {
  // The stand-in window answers as the clock's own, for as long as the test runs.
  ScopedWindowProc procedure(window.get(), MainWindowProc);
  Arm(1, 8, 0);
  Arm(2, 8, 1);
  Tick.TickTime = SystemTimeOf(2015, 5, 6, 7, 59, 59, 3);
  insideNotification = [](HWND w) {
    SendMessageA(w, WM_TIMECHANGE, 0, 0);
    SendMessageA(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 50));
    SendMessageA(w, WM_COMMAND, IDM_BORDER, 0);
  };
  ticksDuringNotification = {SystemTimeOf(2015, 5, 6, 8, 1, 0, 3),
                             SystemTimeOf(2015, 5, 6, 8, 1, 1, 3)};
  TickAt(SystemTimeOf(2015, 5, 6, 8, 0, 0, 3));
  ASSERT_EQ(handOvers.size(), 1u);
  EXPECT_EQ(handOvers[0].announced.Minute, 0) << "the notification keeps showing its own minute";
  EXPECT_FALSE(Tick.Held());

  // The alarm of the minute that began inside it comes once, after it.
  insideNotification = nullptr;
  ticksDuringNotification.clear();
  TickAt(SystemTimeOf(2015, 5, 6, 8, 1, 2, 3));
  TickAt(SystemTimeOf(2015, 5, 6, 8, 1, 3, 3));
  ASSERT_EQ(handOvers.size(), 2u);
  EXPECT_EQ(handOvers[1].alarm, 2);
}

}  // namespace
