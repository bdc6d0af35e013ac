#pragma once
#include <cstdint>
#include "face/rules/TextCut.h"

// The daily alarms, numbered 1 to kAlarmCount.
constexpr int kAlarmCount = 4;
// An alarm's message: at most this many bytes of code page 932 text.
constexpr unsigned kMessageBytes = 30;

// One daily alarm.
struct AlarmEntry {
  char Alarm[7];     // work buffer for "HH:MM"; SetTime cuts it, FormatTime rewrites it
  char Msg[kMessageBytes + 1];
  uint16_t Hour;
  uint16_t Minute;
  uint32_t On;       // 0 or 1

  AlarmEntry();
  // Canonical "HH:MM" of Hour and Minute, also left in Alarm.
  const char* FormatTime();
  // Reads "HH?MM": hour from the first two bytes, minute from the fourth on;
  // a time out of range clears the entry and disarms it.
  void SetTime(const char* text);
  void SetMessage(const char* text);
};

struct AlarmSettings {
  bool OnTimer;
  uint32_t AlarmCount;
  bool OnAutoDelete;
  AlarmEntry Alarms[kAlarmCount];
  bool OnUseWave;
  char WaveFile[260];

  AlarmSettings();
};
