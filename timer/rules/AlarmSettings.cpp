#include "timer/rules/AlarmSettings.h"
#include "face/rules/TextCut.h"
#include "face/rules/TimeText.h"

AlarmEntry::AlarmEntry() : Hour(0), Minute(0), On(0) {
  CopyTextCut(Alarm, "00:00", 5);
  Msg[0] = '\0';
}

const char* AlarmEntry::FormatTime() {
  FormatAlarmTime(Hour, Minute, Alarm);
  return Alarm;
}

// Skips white space, takes an optional sign, then decimal digits up to the
// first non-digit; no digits give 0.
static int ReadNumber(const char* s) {
  while (*s == ' ' || (*s >= '\t' && *s <= '\r')) ++s;
  bool negative = false;
  if (*s == '+' || *s == '-') negative = (*s++ == '-');
  int value = 0;
  while (*s >= '0' && *s <= '9' && value < 100000) value = value * 10 + (*s++ - '0');
  return negative ? -value : value;
}

void AlarmEntry::SetTime(const char* text) {
  char copy[6];
  unsigned n = 0;
  while (text && n < 5 && text[n] != '\0') { copy[n] = text[n]; ++n; }
  copy[n] = '\0';
  // The minute starts at the fourth byte; a text shorter than that has none.
  const char* minuteText = n > 3 ? copy + 3 : "";
  uint16_t minute = uint16_t(ReadNumber(minuteText));
  copy[n < 2 ? n : 2] = '\0';
  uint16_t hour = uint16_t(ReadNumber(copy));
  for (unsigned i = 0; i <= 2 && i <= n; ++i) Alarm[i] = copy[i];
  Hour = hour;
  Minute = minute;
  if (Hour > 23 || Minute > 59) {
    Alarm[0] = '\0';
    Hour = 0;
    Minute = 0;
    On = 0;
  }
}

void AlarmEntry::SetMessage(const char* text) {
  CopyTextCut(Msg, text, kMessageBytes);
}

// A fresh record's values; the start-up load replaces every one of them,
// with the stored value or the settings layout's default (15 beeps).
AlarmSettings::AlarmSettings()
    : OnTimer(false), AlarmCount(5), OnAutoDelete(false), OnUseWave(false) {
  WaveFile[0] = '\0';
}
