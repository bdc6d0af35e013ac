#pragma once
#include <cstdint>

// One daily alarm.
struct AlarmEntry {
  char Alarm[7];     // work buffer for "HH:MM"; SetTime cuts it, FormatTime rewrites it
  char Msg[31];      // at most 30 bytes of code page 932 text
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
  AlarmEntry Alarms[4];
  bool OnUseWave;
  char WaveFile[260];

  AlarmSettings();
};

// Copies at most maxBytes bytes of text and a terminator into out, never
// splitting a double-byte character of code page 932 at the cut.
void CopyTextCut(char* out, const char* text, unsigned maxBytes);
