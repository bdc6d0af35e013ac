#pragma once
#include <cstdint>
#include <cstddef>

// The registry layout of every setting: below HKEY_CURRENT_USER, key
// "Software\ZEPH\Tivora" with the subkeys "Settings" and "Timer". One table
// gives each value's name, kind and default in the order the load reads
// them; loading and every save walk it.

extern const char kSettingsKeyPath[];   // Software\ZEPH\Tivora
extern const char kSettingsSubkey[];    // Settings
extern const char kTimerSubkey[];       // Timer

// Every text is read through 260 UTF-16 units, and may take at most 259
// bytes in the system's ANSI code page (settings/rules/TextCut.h).
constexpr size_t kTextCapacity = 260;

// All stored values in one plain record, texts as read (at most 259 ANSI bytes).
struct StoredSettings {
  uint32_t Left, Top, Width, Height;   // signed values, stored as their 32 bits
  uint32_t OnCaption, OnAnalog, OnSecond, OnTop, OnBorder, OnTransparent;
  wchar_t FontName[kTextCapacity];
  uint32_t FontSize;                   // signed, as the font dialog leaves it
  uint32_t FontColor, FontBold, FontItalic, BkColor, OnToolTip, OnBitmap;
  wchar_t Bitmap[kTextCapacity];
  // The font's height in pixels and the DPI it was chosen at, beside
  // FontSize, which cannot carry every height at every scale. Read only
  // while they still agree with FontSize; unknown to older forms.
  uint32_t FontHeight;                 // signed
  uint32_t FontDpi;

  uint32_t OnTimer, OnAutoDelete, AlarmCount;
  uint32_t On1; wchar_t Alarm1[kTextCapacity]; wchar_t Msg1[kTextCapacity];
  uint32_t On2; wchar_t Alarm2[kTextCapacity]; wchar_t Msg2[kTextCapacity];
  uint32_t On3; wchar_t Alarm3[kTextCapacity]; wchar_t Msg3[kTextCapacity];
  uint32_t On4; wchar_t Alarm4[kTextCapacity]; wchar_t Msg4[kTextCapacity];
  // Each alarm's weekdays and the snooze, unknown to older forms.
  uint32_t Days1, Days2, Days3, Days4, SnoozeMinutes;
  uint32_t OnUseWave;
  wchar_t WaveFile[kTextCapacity];
};

enum class ValueKind {
  Number,   // REG_DWORD taken as stored
  Switch,   // REG_DWORD read as on when non-zero, always written as 0 or 1
  Text,     // REG_SZ
};

enum class Subkey { Settings, Timer };

enum class SettingId {
  Left, Top, Width, Height,
  OnCaption, OnAnalog, OnSecond, OnTop, OnBorder, OnTransparent,
  FontName, FontSize, FontColor, FontBold, FontItalic, BkColor, OnToolTip, OnBitmap,
  Bitmap, FontHeight, FontDpi,
  OnTimer, OnAutoDelete, AlarmCount,
  On1, Alarm1, Msg1, On2, Alarm2, Msg2, On3, Alarm3, Msg3, On4, Alarm4, Msg4,
  Days1, Days2, Days3, Days4, SnoozeMinutes,
  OnUseWave, WaveFile,
  Count
};

struct SettingRow {
  SettingId Id;
  const char* Name;
  Subkey Where;
  ValueKind Kind;
  uint32_t DefaultNumber;
  const wchar_t* DefaultText;
  uint32_t StoredSettings::*Number;   // for Number and Switch
  wchar_t (StoredSettings::*Text)[kTextCapacity];  // for Text
};

// Every value in load order.
const SettingRow* SettingsTable(size_t* count);
const SettingRow& RowOf(SettingId id);
// The value of the given name (as a display switch is named), or null.
const SettingRow* FindSetting(const char* name);

// A record holding every default.
StoredSettings DefaultSettings();

// What a save writes, in the order written.
struct SettingGroup {
  const SettingId* Ids;
  size_t Count;
};
SettingGroup PlacementGroup();   // Left, Top, Width, Height
SettingGroup FontGroup();        // FontName, FontSize, FontColor, FontBold, FontItalic, BkColor, FontHeight, FontDpi
SettingGroup TimerGroup();       // OnTimer, OnAutoDelete, OnUseWave, WaveFile, AlarmCount, On1, Alarm1, Msg1, ...
SettingGroup WeekGroup();        // Days1 to Days4, SnoozeMinutes: saved right after the timer group

// A switch read from the registry: any non-zero value is on.
inline uint32_t NormalizeSwitch(uint32_t v) { return v != 0 ? 1u : 0u; }
