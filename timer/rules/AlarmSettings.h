#pragma once
#include <cstdint>
#include "settings/rules/SettingsLayout.h"
#include "settings/rules/TextCut.h"

// The daily alarms, numbered 1 to kDailyAlarms.
constexpr int kDailyAlarms = 4;
// An alarm's message: at most this many bytes in the ANSI code page.
constexpr unsigned kMessageBytes = 30;
// The weekdays an alarm rings on: bit 0 Sunday to bit 6 Saturday.
constexpr uint32_t kEveryDay = 0x7F;
// The snooze, in minutes, within the range its stored value takes.
inline bool IsSnoozeMinutes(uint32_t minutes) { return RowOf(SettingId::SnoozeMinutes).Accepts(minutes); }

// One daily alarm.
struct AlarmEntry {
  wchar_t Alarm[7];     // work buffer for "HH:MM"; SetTime cuts it, FormatTime rewrites it
  wchar_t Msg[kMessageBytes + 1];
  uint16_t Hour;
  uint16_t Minute;
  uint32_t On;       // 0 or 1
  uint32_t Days;     // kEveryDay's bits; none set rings on no day

  AlarmEntry();
  // Canonical "HH:MM" of Hour and Minute, also left in Alarm.
  const wchar_t* FormatTime();
  // Reads "HH?MM": hour from the first two characters, minute from the fourth on;
  // a time out of range, or a part without a digit, clears the entry and disarms it.
  void SetTime(const wchar_t* text);
  void SetMessage(const wchar_t* text);
  // Keeps the weekday bits; bits above Saturday's are no day.
  void SetDays(uint32_t days) { Days = days & kEveryDay; }
  bool RingsOn(int dayOfWeek) const { return (Days >> dayOfWeek & 1) != 0; }
};

struct AlarmSettings {
  bool OnTimer;
  uint32_t AlarmCount;
  bool OnAutoDelete;
  AlarmEntry Alarms[kDailyAlarms];
  bool OnUseWave;
  wchar_t WaveFile[kTextCapacity];
  uint32_t SnoozeMinutes;   // IsSnoozeMinutes
  bool OnChime;
  uint32_t ChimeFrom, ChimeTo;   // hours 0 to 23; From after To runs past midnight

  AlarmSettings();
  // Alarm n (1 to kDailyAlarms) rings at its time: the timer and the alarm
  // are on, and the time is one.
  bool IsArmed(int n) const {
    const AlarmEntry& alarm = Alarms[n - 1];
    return OnTimer && alarm.On != 0 && alarm.Hour <= 23 && alarm.Minute <= 59;
  }
  // A number that is no IsSnoozeMinutes gives the settings table's default.
  void SetSnoozeMinutes(uint32_t minutes);
};
