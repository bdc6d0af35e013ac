#pragma once
#include <cstdint>
#include "timer/rules/AlarmSettings.h"

// What one alarm notification does: the text it shows, how many sounds it
// gives (beeps, or one start of the wave file), and whether it closes itself
// after the last one. Built afresh each time a notification opens.
class NotificationPlan {
public:
  static constexpr uint32_t kDefaultSounds = 5;
  static constexpr uint32_t kMaxSounds = 60;

  wchar_t Message[kMessageBytes + 1];   // empty only with an empty default
  uint32_t SoundsWanted;
  uint32_t SoundsGiven;
  bool AutoClose;
  bool UseWave;

  // The plan when no alarm is named: five beeps, the default text (the
  // program's "it's time" in its language), and the window closes itself.
  explicit NotificationPlan(const wchar_t* defaultMessage = L"");

  // The plan for alarm `number` (1 to kDailyAlarms) under `settings`, with
  // the default text where the alarm has no message; any other number keeps
  // the defaults above.
  NotificationPlan(int number, const AlarmSettings& settings, const wchar_t* defaultMessage = L"");

  // What follows a sound that has just been given.
  enum class After { KeepSounding, FallSilent, Close };
  After SoundGiven();
};
