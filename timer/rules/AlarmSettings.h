#pragma once
#include <cstdint>
#include "settings/rules/SettingsLayout.h"
#include "settings/rules/TextCut.h"

// The daily alarms, numbered 1 to kAlarmCount.
constexpr int kAlarmCount = 4;
// An alarm's message: at most this many bytes in the ANSI code page.
constexpr unsigned kMessageBytes = 30;

// One daily alarm.
struct AlarmEntry {
  wchar_t Alarm[7];     // work buffer for "HH:MM"; SetTime cuts it, FormatTime rewrites it
  wchar_t Msg[kMessageBytes + 1];
  uint16_t Hour;
  uint16_t Minute;
  uint32_t On;       // 0 or 1

  AlarmEntry();
  // Canonical "HH:MM" of Hour and Minute, also left in Alarm.
  const wchar_t* FormatTime();
  // Reads "HH?MM": hour from the first two characters, minute from the fourth on;
  // a time out of range clears the entry and disarms it.
  void SetTime(const wchar_t* text);
  void SetMessage(const wchar_t* text);
};

struct AlarmSettings {
  bool OnTimer;
  uint32_t AlarmCount;
  bool OnAutoDelete;
  AlarmEntry Alarms[kAlarmCount];
  bool OnUseWave;
  wchar_t WaveFile[kTextCapacity];

  AlarmSettings();
};
