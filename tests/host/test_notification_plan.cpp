#include <gtest/gtest.h>
#include <cstring>
#include <vector>
#include "settings/rules/TextCut.h"
#include "timer/rules/NotificationPlan.h"
#include "timer/rules/WaveLength.h"

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

// --- the wave's length, from its header ----------------------------------------------

// A wave file's first bytes: RIFF header, the given chunks in order.
static std::vector<unsigned char> WaveHead(std::initializer_list<std::pair<const char*, std::vector<unsigned char>>> chunks) {
  std::vector<unsigned char> b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  for (const auto& c : chunks) {
    b.insert(b.end(), c.first, c.first + 4);
    b.insert(b.end(), c.second.begin(), c.second.end());
  }
  return b;
}
static std::vector<unsigned char> Le32(uint32_t v) {
  return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}
static std::vector<unsigned char> Fmt(uint32_t byteRate) {
  std::vector<unsigned char> f = Le32(16);
  std::vector<unsigned char> body = {1, 0, 2, 0, 0x44, 0xAC, 0, 0};   // PCM, stereo, 44.1 kHz
  f.insert(f.end(), body.begin(), body.end());
  std::vector<unsigned char> rate = Le32(byteRate);
  f.insert(f.end(), rate.begin(), rate.end());
  f.insert(f.end(), {4, 0, 16, 0});
  return f;
}

TEST(WaveLength, ComesFromTheByteRateAndTheDataSize) {
  std::vector<unsigned char> wave = WaveHead({{"fmt ", Fmt(176400)}, {"data", Le32(176400 * 3 + 88200)}});
  EXPECT_EQ(WaveLengthMs(wave.data(), wave.size()), 3500u);
  // Another chunk (of odd size, padded) before the data is stepped over.
  std::vector<unsigned char> list = Le32(3);
  list.insert(list.end(), {'a', 'b', 'c', 0});
  wave = WaveHead({{"fmt ", Fmt(8000)}, {"LIST", list}, {"data", Le32(12000)}});
  EXPECT_EQ(WaveLengthMs(wave.data(), wave.size()), 1500u);
}

TEST(WaveLength, IsUnknownForWhatIsNoWaveOrIsCutShort) {
  std::vector<unsigned char> wave = WaveHead({{"fmt ", Fmt(8000)}, {"data", Le32(8000)}});
  EXPECT_EQ(WaveLengthMs(wave.data(), wave.size() - 1), 0u) << "the data header cut";
  EXPECT_EQ(WaveLengthMs(wave.data(), 20), 0u) << "the format cut";
  std::vector<unsigned char> noFormat = WaveHead({{"data", Le32(8000)}});
  EXPECT_EQ(WaveLengthMs(noFormat.data(), noFormat.size()), 0u);
  std::vector<unsigned char> zeroRate = WaveHead({{"fmt ", Fmt(0)}, {"data", Le32(8000)}});
  EXPECT_EQ(WaveLengthMs(zeroRate.data(), zeroRate.size()), 0u);
  std::vector<unsigned char> huge = WaveHead({{"fmt ", Fmt(8000)}, {"junk", Le32(0xFFFFFFF0u)}, {"data", Le32(8000)}});
  EXPECT_EQ(WaveLengthMs(huge.data(), huge.size()), 0u) << "a chunk longer than the file";
  std::vector<unsigned char> riff = wave;
  riff[8] = 'A';
  EXPECT_EQ(WaveLengthMs(riff.data(), riff.size()), 0u);
}
