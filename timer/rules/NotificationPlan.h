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

  wchar_t Message[kMessageBytes + 1];   // never empty
  uint32_t SoundsWanted;
  uint32_t SoundsGiven;
  bool AutoClose;
  bool UseWave;

  // The plan when no alarm is named: five beeps, the default text, and the
  // window closes itself.
  NotificationPlan();

  // The plan for alarm `number` (1 to kDailyAlarms) under `settings`; any other number
  // keeps the defaults above.
  NotificationPlan(int number, const AlarmSettings& settings);

  // What follows a sound that has just been given.
  enum class After { KeepSounding, FallSilent, Close };
  After SoundGiven();

  // Shown when the alarm carries no message: "時間です" (it's time).
  static const wchar_t* DefaultMessage();
};
