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

// Every stored value, one line each: its name (the record's field, its id
// and the registry value's name), its subkey, its default, the save that
// writes it (None: a switch saved on its own) and, for a number, the range
// that a read accepts, else the default holds (0 to 0: any number). The lines stand in the order
// a start reads them and each save writes its values: all of Settings, then
// Timer. Adding a value is one line here and the code that uses it.
#define TIVORA_STORED_VALUES(NUMBER, SWITCH, TEXT)                              \
  /* signed values, stored as their 32 bits */                                  \
  NUMBER(Left, Settings, 100, Placement, 0, 0)                         \
  NUMBER(Top, Settings, 100, Placement, 0, 0)                          \
  NUMBER(Width, Settings, 116, Placement, 0, 0)                        \
  NUMBER(Height, Settings, 45, Placement, 0, 0)                        \
  SWITCH(OnCaption, Settings, 0, None)                                          \
  SWITCH(OnAnalog, Settings, 0, None)                                           \
  SWITCH(OnSecond, Settings, 0, None)                                           \
  SWITCH(OnTop, Settings, 0, None)                                              \
  SWITCH(OnBorder, Settings, 1, None)                                           \
  SWITCH(OnTransparent, Settings, 0, None)                                      \
  TEXT(FontName, Settings, "Arial", Font)                                       \
  /* signed, as the font dialog leaves it */                                    \
  NUMBER(FontSize, Settings, 37, Font, 0, 0)                           \
  NUMBER(FontColor, Settings, 0x000000FF, Font, 0, 0)                  \
  SWITCH(FontBold, Settings, 0, Font)                                           \
  SWITCH(FontItalic, Settings, 0, Font)                                         \
  NUMBER(BkColor, Settings, 0x00C0C0C0, Font, 0, 0)                    \
  SWITCH(OnToolTip, Settings, 0, None)                                          \
  SWITCH(OnBitmap, Settings, 0, None)                                           \
  TEXT(Bitmap, Settings, "", None)                                              \
  /* the font's height in pixels (signed) and the DPI it was chosen at,      */ \
  /* beside FontSize, which cannot carry every height at every scale; read   */ \
  /* only while they still agree with FontSize, unknown to older forms       */ \
  NUMBER(FontHeight, Settings, 0, Font, 0, 0)                          \
  NUMBER(FontDpi, Settings, 0, Font, 0, 0)                             \
  SWITCH(OnHour12, Settings, 0, None)                                           \
  SWITCH(OnTimer, Timer, 0, Timer)                                              \
  SWITCH(OnAutoDelete, Timer, 1, Timer)                                         \
  SWITCH(OnUseWave, Timer, 0, Timer)                                            \
  TEXT(WaveFile, Timer, "", Timer)                                              \
  /* the beeps; loaded as stored, the timer dialog insists on 1 to 60 */        \
  NUMBER(AlarmCount, Timer, 15, Timer, 0, 0)                           \
  /* a time absent or unreadable is no time: its alarm is loaded off */         \
  SWITCH(On1, Timer, 0, Timer) TEXT(Alarm1, Timer, "", Timer) TEXT(Msg1, Timer, "", Timer) \
  SWITCH(On2, Timer, 0, Timer) TEXT(Alarm2, Timer, "", Timer) TEXT(Msg2, Timer, "", Timer) \
  SWITCH(On3, Timer, 0, Timer) TEXT(Alarm3, Timer, "", Timer) TEXT(Msg3, Timer, "", Timer) \
  SWITCH(On4, Timer, 0, Timer) TEXT(Alarm4, Timer, "", Timer) TEXT(Msg4, Timer, "", Timer) \
  /* bit 0 Sunday to bit 6 Saturday, every day when absent; these and the   */ \
  /* snooze are unknown to older forms, and saved after the Timer group    */ \
  NUMBER(Days1, Timer, 0x7F, Week, 0, 0)                               \
  NUMBER(Days2, Timer, 0x7F, Week, 0, 0)                               \
  NUMBER(Days3, Timer, 0x7F, Week, 0, 0)                               \
  NUMBER(Days4, Timer, 0x7F, Week, 0, 0)                               \
  NUMBER(SnoozeMinutes, Timer, 5, Week, 1, 60)                                  \
  /* the hourly chime and its hours, saved after the Week group */             \
  SWITCH(OnChime, Timer, 0, Chime)                                              \
  NUMBER(ChimeFrom, Timer, 9, Chime, 0, 23)                                     \
  NUMBER(ChimeTo, Timer, 21, Chime, 0, 23)

#define TIVORA_NUMBER_FIELD(name, ...) uint32_t name;
#define TIVORA_TEXT_FIELD(name, ...) wchar_t name[kTextCapacity];
// All stored values in one plain record, texts as read (at most 259 ANSI bytes).
struct StoredSettings {
  TIVORA_STORED_VALUES(TIVORA_NUMBER_FIELD, TIVORA_NUMBER_FIELD, TIVORA_TEXT_FIELD)
};

enum class ValueKind : uint8_t {
  Number,   // REG_DWORD taken as stored
  Switch,   // REG_DWORD read as on when non-zero, always written as 0 or 1
  Text,     // REG_SZ
};

enum class Subkey : uint8_t { Settings, Timer };

// The saves that write several values at once.
enum class SaveGroup : uint8_t { None, Placement, Font, Timer, Week, Chime };

#define TIVORA_ID(name, ...) name,
enum class SettingId : uint8_t { TIVORA_STORED_VALUES(TIVORA_ID, TIVORA_ID, TIVORA_ID) Count };

// Alarm n's values (1 to 4), which the list holds in this pattern.
constexpr SettingId AlarmOnId(int n) { return SettingId(int(SettingId::On1) + 3 * (n - 1)); }
constexpr SettingId AlarmTimeId(int n) { return SettingId(int(AlarmOnId(n)) + 1); }
constexpr SettingId AlarmMessageId(int n) { return SettingId(int(AlarmOnId(n)) + 2); }
constexpr SettingId AlarmDaysId(int n) { return SettingId(int(SettingId::Days1) + n - 1); }

struct SettingRow {
  SettingId Id;
  Subkey Where;
  ValueKind Kind;
  SaveGroup Group;
  const char* Name;
  uint32_t DefaultNumber;
  const wchar_t* DefaultText;
  uint16_t Field;                     // where the value lies in StoredSettings
  uint16_t Min, Max;                  // a number read outside them is the default; 0, 0: any

  bool Accepts(uint32_t v) const { return (Min == 0 && Max == 0) || (v >= Min && v <= Max); }
  // The value in a record: a number (Number, Switch), or a text of
  // kTextCapacity units (Text). The table is kept small: the field's place
  // rather than a member pointer of each kind.
  uint32_t& NumberIn(StoredSettings& s) const { return *reinterpret_cast<uint32_t*>(At(&s)); }
  uint32_t NumberIn(const StoredSettings& s) const { return NumberIn(const_cast<StoredSettings&>(s)); }
  wchar_t* TextIn(StoredSettings& s) const { return reinterpret_cast<wchar_t*>(At(&s)); }
  const wchar_t* TextIn(const StoredSettings& s) const { return TextIn(const_cast<StoredSettings&>(s)); }

private:
  char* At(StoredSettings* s) const { return reinterpret_cast<char*>(s) + Field; }
};

// Every value in load order.
const SettingRow* SettingsTable(size_t* count);
const SettingRow& RowOf(SettingId id);
// The value of the given name (as a display switch is named), or null.
const SettingRow* FindSetting(const char* name);

// Puts every default into the record.
void SetDefaults(StoredSettings& s);

// The values of a save, in the order written, into `ids` (room for
// SettingId::Count); gives their count.
size_t GroupIds(SaveGroup group, SettingId* ids);

// A switch read from the registry: any non-zero value is on.
inline uint32_t NormalizeSwitch(uint32_t v) { return v != 0 ? 1u : 0u; }
