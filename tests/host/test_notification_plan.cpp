#include <gtest/gtest.h>
#include <cstring>
#include "settings/rules/TextCut.h"
#include "timer/rules/NotificationPlan.h"

namespace {

using After = NotificationPlan::After;

AlarmSettings Settings(uint32_t count, bool autoDelete, bool useWave) {
  AlarmSettings s;
  s.AlarmCount = count;
  s.OnAutoDelete = autoDelete;
  s.OnUseWave = useWave;
  s.Alarms[0].SetMessage(L"起きる");
  s.Alarms[2].SetMessage(L"会議");
  return s;
}

// Gives sounds until the plan stops asking for more; returns how many.
uint32_t SoundsUntilDone(NotificationPlan& plan, After* last) {
  uint32_t given = 0;
  do {
    *last = plan.SoundGiven();
    ++given;
  } while (*last == After::KeepSounding && given < 1000);
  return given;
}

}  // namespace

TEST(NotificationPlan, GivesTheStoredNumberOfBeepsThenFallsSilentOrCloses) {
  After last;
  NotificationPlan staying(1, Settings(3, false, false));
  EXPECT_EQ(SoundsUntilDone(staying, &last), 3u);
  EXPECT_EQ(last, After::FallSilent);

  NotificationPlan closing(1, Settings(3, true, false));
  EXPECT_EQ(SoundsUntilDone(closing, &last), 3u);
  EXPECT_EQ(last, After::Close);
}

TEST(NotificationPlan, CountsOutsideTheDialogsRangeStillSoundSensibly) {
  After last;
  NotificationPlan none(2, Settings(0, false, false));
  EXPECT_EQ(SoundsUntilDone(none, &last), 1u);
  NotificationPlan many(2, Settings(100, false, false));
  EXPECT_EQ(SoundsUntilDone(many, &last), 60u);
  NotificationPlan huge(2, Settings(0xFFFFFFFFu, true, false));
  EXPECT_EQ(SoundsUntilDone(huge, &last), 60u);
  EXPECT_EQ(last, After::Close);
}

TEST(NotificationPlan, TheWaveIsStartedOnceWhateverTheCount) {
  After last;
  NotificationPlan wave(4, Settings(20, true, true));
  EXPECT_TRUE(wave.UseWave);
  EXPECT_EQ(SoundsUntilDone(wave, &last), 1u);
  EXPECT_EQ(last, After::Close);
}

TEST(NotificationPlan, ShowsTheAlarmsMessageOrTheDefault) {
  AlarmSettings s = Settings(3, false, false);
  EXPECT_STREQ(NotificationPlan(1, s).Message, L"起きる");
  EXPECT_STREQ(NotificationPlan(3, s).Message, L"会議");
  EXPECT_STREQ(NotificationPlan(2, s).Message, L"時間です");
  EXPECT_STREQ(NotificationPlan(4, s).Message, NotificationPlan::DefaultMessage());
}

TEST(NotificationPlan, ANumberOutsideOneToFourKeepsTheDefaults) {
  AlarmSettings s = Settings(3, false, true);
  for (int n : {0, 5, -1, 100}) {
    NotificationPlan plan(n, s);
    EXPECT_STREQ(plan.Message, L"時間です") << n;
    EXPECT_FALSE(plan.UseWave) << n;
    EXPECT_TRUE(plan.AutoClose) << n;
    After last;
    EXPECT_EQ(SoundsUntilDone(plan, &last), 5u) << n;
    EXPECT_EQ(last, After::Close) << n;
  }
}

TEST(NotificationPlan, AThirtyByteMessageIsShownWhole) {
  AlarmSettings s;
  const wchar_t* thirty = L"あいうえおかきくけこさしすせそ";  // fifteen double-byte characters
  ASSERT_EQ(AnsiLength(thirty), 30u);
  s.Alarms[1].SetMessage(thirty);
  EXPECT_STREQ(NotificationPlan(2, s).Message, thirty);
}
