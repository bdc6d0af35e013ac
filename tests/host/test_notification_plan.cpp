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

// A count outside the dialog's range still sounds sensibly (at least one, at
// most a minute of beeps), and the wave is started once whatever the count.
TEST(NotificationPlan, GivesTheStoredNumberOfSoundsThenFallsSilentOrCloses) {
  struct Case { int number; uint32_t count; bool autoDelete, useWave; uint32_t sounds; After last; };
  const Case cases[] = {{1, 3, false, false, 3, After::FallSilent}, {1, 3, true, false, 3, After::Close},
                        {2, 0, false, false, 1, After::FallSilent}, {2, 100, false, false, 60, After::FallSilent},
                        {2, 0xFFFFFFFFu, true, false, 60, After::Close}, {4, 20, true, true, 1, After::Close}};
  for (const Case& c : cases) {
    NotificationPlan plan(c.number, Settings(c.count, c.autoDelete, c.useWave));
    EXPECT_EQ(plan.UseWave, c.useWave) << c.count;
    After last;
    EXPECT_EQ(SoundsUntilDone(plan, &last), c.sounds) << c.count;
    EXPECT_EQ(last, c.last) << c.count;
  }
}

TEST(NotificationPlan, ShowsTheAlarmsMessageUpToThirtyBytesWholeOrTheDefault) {
  AlarmSettings s = Settings(3, false, false);
  EXPECT_STREQ(NotificationPlan(1, s, L"時間です").Message, L"起きる");
  EXPECT_STREQ(NotificationPlan(3, s, L"時間です").Message, L"会議");
  EXPECT_STREQ(NotificationPlan(2, s, L"時間です").Message, L"時間です");
  EXPECT_STREQ(NotificationPlan(4, s, L"It's time").Message, L"It's time");
  const wchar_t* thirty = L"あいうえおかきくけこさしすせそ";  // fifteen double-byte characters
  ASSERT_EQ(AnsiLength(thirty), 30u);
  s.Alarms[1].SetMessage(thirty);
  EXPECT_STREQ(NotificationPlan(2, s, L"").Message, thirty);
}

TEST(NotificationPlan, ANumberOutsideOneToFourKeepsTheDefaults) {
  AlarmSettings s = Settings(3, false, true);
  for (int n : {0, 5, -1, 100}) {
    NotificationPlan plan(n, s, L"時間です");
    EXPECT_STREQ(plan.Message, L"時間です") << n;
    EXPECT_FALSE(plan.UseWave) << n;
    EXPECT_TRUE(plan.AutoClose) << n;
    After last;
    EXPECT_EQ(SoundsUntilDone(plan, &last), 5u) << n;
    EXPECT_EQ(last, After::Close) << n;
  }
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
// A format chunk: PCM unless another tag is given, with the rates as given,
// whether they agree or not.
static std::vector<unsigned char> Fmt(uint32_t byteRate, uint32_t sampleRate = 0, uint16_t blockAlign = 0,
                                      uint16_t tag = 1) {
  std::vector<unsigned char> f = Le32(16);
  f.insert(f.end(), {uint8_t(tag), uint8_t(tag >> 8), 1, 0});   // mono
  for (uint32_t v : {sampleRate, byteRate})
    for (unsigned char byte : Le32(v)) f.push_back(byte);
  f.insert(f.end(), {uint8_t(blockAlign), 0, uint8_t(blockAlign * 8), 0});
  return f;
}
// The whole file's size: the header and `dataBytes` of sound after it.
static uint64_t With(const std::vector<unsigned char>& head, uint64_t dataBytes) { return head.size() + dataBytes; }

// The data's size over the byte rate; whatever a header claims, the wait is
// never longer than the sound that the file holds could play, and no figure wraps.
TEST(WaveLength, ComesFromTheByteRateAndTheDataSizeButAHeaderThatLiesNeverHoldsLonger) {
  struct Case { const char* what; std::vector<unsigned char> fmt; uint32_t stated; uint64_t present; uint32_t ms; };
  const Case cases[] = {
      {"3.5 s, honestly", Fmt(176400, 44100, 4), 176400 * 3 + 88200, 176400 * 3 + 88200, 3500},
      {"120 s stated, 1 s in the file", Fmt(8000, 8000, 1), 960000, 8000, 1000},
      {"the largest size stated", Fmt(8000, 8000, 1), 0xFFFFFFFFu, 16000, 2000},
      {"a byte rate far below the samples'", Fmt(80, 8000, 1), 8000, 8000, 1000},
      {"no byte rate, the samples' own", Fmt(0, 8000, 1), 4000, 4000, 500},
      {"a block far above the byte rate", Fmt(8000, 8000, 100), 800000, 800000, 1000},
      {"a compressed rate of a byte a second", Fmt(1, 8000, 1, 2), 0xFFFFFFFFu, uint64_t(1) << 40,
       kLongestWaveMs},
  };
  for (const Case& c : cases) {
    std::vector<unsigned char> wave = WaveHead({{"fmt ", c.fmt}, {"data", Le32(c.stated)}});
    EXPECT_EQ(WaveLengthMs(wave.data(), wave.size(), With(wave, c.present)), c.ms) << c.what;
  }
  // Another chunk (three bytes and their pad) before the data is stepped over.
  const std::vector<unsigned char> wave =
      WaveHead({{"fmt ", Fmt(8000, 8000, 1)}, {"LIST", {3, 0, 0, 0, 'a', 'b', 'c', 0}}, {"data", Le32(12000)}});
  EXPECT_EQ(WaveLengthMs(wave.data(), wave.size(), With(wave, 12000)), 1500u);
}

TEST(WaveLength, IsUnknownForWhatIsNoWaveOrIsCutShort) {
  std::vector<unsigned char> wave = WaveHead({{"fmt ", Fmt(8000, 8000, 1)}, {"data", Le32(8000)}});
  const uint64_t size = With(wave, 8000);
  EXPECT_EQ(WaveLengthMs(wave.data(), wave.size() - 1, size), 0u) << "the data header cut";
  EXPECT_EQ(WaveLengthMs(wave.data(), 20, size), 0u) << "the format cut";
  EXPECT_EQ(WaveLengthMs(wave.data(), wave.size(), wave.size() - 1), 0u) << "a file shorter than its header";
  auto length = [size](const std::vector<unsigned char>& head) { return WaveLengthMs(head.data(), head.size(), size); };
  EXPECT_EQ(length(WaveHead({{"data", Le32(8000)}})), 0u) << "no format";
  EXPECT_EQ(length(WaveHead({{"fmt ", Fmt(0)}, {"data", Le32(8000)}})), 0u) << "no rate";
  EXPECT_EQ(length(WaveHead({{"fmt ", Fmt(8000, 8000, 1)}, {"junk", Le32(0xFFFFFFF0u)}, {"data", Le32(8000)}})), 0u)
      << "a chunk longer than the file";
  wave[8] = 'A';
  EXPECT_EQ(length(wave), 0u) << "no WAVE";
}
