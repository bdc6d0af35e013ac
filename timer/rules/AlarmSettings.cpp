#include "timer/rules/AlarmSettings.h"
#include "timer/rules/TimeText.h"

static bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

void CopyTextCut(char* out, const char* text, unsigned maxBytes) {
  unsigned n = 0;
  if (text) {
    while (n < maxBytes && text[n] != '\0') {
      if (IsLeadByte((unsigned char)text[n])) {
        if (n + 1 >= maxBytes || text[n + 1] == '\0') break;
        out[n] = text[n];
        ++n;
      }
      out[n] = text[n];
      ++n;
    }
  }
  out[n] = '\0';
}

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
  CopyTextCut(Msg, text, 30);
}

AlarmSettings::AlarmSettings()
    : OnTimer(false), AlarmCount(5), OnAutoDelete(false), OnUseWave(false) {
  WaveFile[0] = '\0';
}
