#include "timer/rules/AlarmSettings.h"
#include "settings/rules/TextCut.h"
#include "base/rules/TimeText.h"

AlarmEntry::AlarmEntry() : Hour(0), Minute(0), On(0), Days(kEveryDay) {
  CopyTextCut(Alarm, L"00:00", 5);
  Msg[0] = 0;
}

const wchar_t* AlarmEntry::FormatTime() {
  FormatAlarmTime(Hour, Minute, Alarm);
  return Alarm;
}

// Skips white space, takes an optional sign, then decimal digits up to the
// first non-digit; no digits give 0.
static int ReadNumber(const wchar_t* s) {
  while (*s == L' ' || (*s >= L'\t' && *s <= L'\r')) ++s;
  bool negative = false;
  if (*s == L'+' || *s == L'-') negative = (*s++ == L'-');
  int value = 0;
  while (*s >= L'0' && *s <= L'9' && value < 100000) value = value * 10 + int(*s++ - L'0');
  return negative ? -value : value;
}

static bool HasDigit(const wchar_t* s) {
  for (; *s; ++s)
    if (*s >= L'0' && *s <= L'9') return true;
  return false;
}

void AlarmEntry::SetTime(const wchar_t* text) {
  wchar_t copy[6];
  unsigned n = 0;
  while (text && n < 5 && text[n] != 0) { copy[n] = text[n]; ++n; }
  copy[n] = 0;
  // The minute starts at the fourth character; a text shorter than that has none.
  const wchar_t* minuteText = n > 3 ? copy + 3 : L"";
  const bool minuteRead = HasDigit(minuteText);
  uint16_t minute = uint16_t(ReadNumber(minuteText));
  copy[n < 2 ? n : 2] = 0;
  const bool hourRead = HasDigit(copy);
  uint16_t hour = uint16_t(ReadNumber(copy));
  for (unsigned i = 0; i <= 2 && i <= n; ++i) Alarm[i] = copy[i];
  Hour = hour;
  Minute = minute;
  // A time without digits (none stored, or stored as something else) is
  // no time at all: armed, it would ring at midnight.
  if (!hourRead || !minuteRead || Hour > 23 || Minute > 59) {
    Alarm[0] = 0;
    Hour = 0;
    Minute = 0;
    On = 0;
  }
}

void AlarmEntry::SetMessage(const wchar_t* text) {
  CopyTextCut(Msg, text, kMessageBytes);
}

// A fresh record holds the settings table's defaults (15 beeps, auto-close
// on), as a first start loads them.
static uint32_t Default(SettingId id) { return RowOf(id).DefaultNumber; }

AlarmSettings::AlarmSettings()
    : OnTimer(Default(SettingId::OnTimer) != 0), AlarmCount(Default(SettingId::AlarmCount)),
      OnAutoDelete(Default(SettingId::OnAutoDelete) != 0),
      OnUseWave(Default(SettingId::OnUseWave) != 0),
      SnoozeMinutes(Default(SettingId::SnoozeMinutes)),
      OnChime(Default(SettingId::OnChime) != 0), ChimeFrom(Default(SettingId::ChimeFrom)),
      ChimeTo(Default(SettingId::ChimeTo)) {
  WaveFile[0] = 0;
}

void AlarmSettings::SetSnoozeMinutes(uint32_t minutes) {
  SnoozeMinutes = IsSnoozeMinutes(minutes) ? minutes : Default(SettingId::SnoozeMinutes);
}
