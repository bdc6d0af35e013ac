#include "settings/rules/SettingsLayout.h"
#include <cstring>

const char kSettingsKeyPath[] = "Software\\ZEPH\\Tivora";
const char kSettingsSubkey[] = "Settings";
const char kTimerSubkey[] = "Timer";

using S = StoredSettings;

#define NUMBER(id, where, def) \
  {SettingId::id, #id, Subkey::where, ValueKind::Number, uint32_t(def), nullptr, \
   &S::id, nullptr}
#define SWITCH(id, where, def) \
  {SettingId::id, #id, Subkey::where, ValueKind::Switch, def, nullptr, &S::id, nullptr}
#define TEXT(id, where, def) \
  {SettingId::id, #id, Subkey::where, ValueKind::Text, 0, L"" def, nullptr, &S::id}

constexpr SettingRow kTable[] = {
  NUMBER(Left, Settings, 100),
  NUMBER(Top, Settings, 100),
  NUMBER(Width, Settings, 116),
  NUMBER(Height, Settings, 45),
  SWITCH(OnCaption, Settings, 0),
  SWITCH(OnAnalog, Settings, 0),
  SWITCH(OnSecond, Settings, 0),
  SWITCH(OnTop, Settings, 0),
  SWITCH(OnBorder, Settings, 1),
  SWITCH(OnTransparent, Settings, 0),
  TEXT(FontName, Settings, "Arial"),
  NUMBER(FontSize, Settings, 37),
  NUMBER(FontColor, Settings, 0x000000FF),
  SWITCH(FontBold, Settings, 0),
  SWITCH(FontItalic, Settings, 0),
  NUMBER(BkColor, Settings, 0x00C0C0C0),
  SWITCH(OnToolTip, Settings, 0),
  SWITCH(OnBitmap, Settings, 0),
  TEXT(Bitmap, Settings, ""),
  NUMBER(FontHeight, Settings, 0),
  NUMBER(FontDpi, Settings, 0),
  SWITCH(OnTimer, Timer, 0),
  SWITCH(OnAutoDelete, Timer, 1),
  NUMBER(AlarmCount, Timer, 15),
  // A time absent or unreadable is no time: its alarm is loaded off (and
  // shown as 00:00), never armed for midnight.
  SWITCH(On1, Timer, 0), TEXT(Alarm1, Timer, ""), TEXT(Msg1, Timer, ""),
  SWITCH(On2, Timer, 0), TEXT(Alarm2, Timer, ""), TEXT(Msg2, Timer, ""),
  SWITCH(On3, Timer, 0), TEXT(Alarm3, Timer, ""), TEXT(Msg3, Timer, ""),
  SWITCH(On4, Timer, 0), TEXT(Alarm4, Timer, ""), TEXT(Msg4, Timer, ""),
  // Bit 0 Sunday to bit 6 Saturday; an absent value rings every day.
  NUMBER(Days1, Timer, 0x7F), NUMBER(Days2, Timer, 0x7F), NUMBER(Days3, Timer, 0x7F),
  NUMBER(Days4, Timer, 0x7F), NUMBER(SnoozeMinutes, Timer, 5),
  SWITCH(OnUseWave, Timer, 0),
  TEXT(WaveFile, Timer, ""),
};

static_assert(sizeof(kTable) / sizeof(kTable[0]) == size_t(SettingId::Count),
              "one row per setting");

const SettingRow* SettingsTable(size_t* count) {
  *count = sizeof(kTable) / sizeof(kTable[0]);
  return kTable;
}

const SettingRow& RowOf(SettingId id) { return kTable[size_t(id)]; }

const SettingRow* FindSetting(const char* name) {
  for (const SettingRow& row : kTable)
    if (std::strcmp(row.Name, name) == 0) return &row;
  return nullptr;
}

StoredSettings DefaultSettings() {
  StoredSettings s;
  std::memset(&s, 0, sizeof s);
  for (const SettingRow& row : kTable) {
    if (row.Kind == ValueKind::Text) {
      wchar_t* text = s.*row.Text;
      for (size_t n = 0; n + 1 < kTextCapacity && row.DefaultText[n] != 0; ++n)
        text[n] = row.DefaultText[n];
    } else {
      s.*row.Number = row.DefaultNumber;
    }
  }
  return s;
}

constexpr SettingId kPlacement[] = {SettingId::Left, SettingId::Top, SettingId::Width,
                                    SettingId::Height};
constexpr SettingId kFont[] = {SettingId::FontName, SettingId::FontSize,
                               SettingId::FontColor, SettingId::FontBold,
                               SettingId::FontItalic, SettingId::BkColor,
                               SettingId::FontHeight, SettingId::FontDpi};
constexpr SettingId kTimer[] = {
    SettingId::OnTimer, SettingId::OnAutoDelete, SettingId::OnUseWave, SettingId::WaveFile,
    SettingId::AlarmCount,
    SettingId::On1, SettingId::Alarm1, SettingId::Msg1,
    SettingId::On2, SettingId::Alarm2, SettingId::Msg2,
    SettingId::On3, SettingId::Alarm3, SettingId::Msg3,
    SettingId::On4, SettingId::Alarm4, SettingId::Msg4};
constexpr SettingId kWeek[] = {SettingId::Days1, SettingId::Days2, SettingId::Days3,
                               SettingId::Days4, SettingId::SnoozeMinutes};

#define GROUP(a) SettingGroup{a, sizeof(a) / sizeof(a[0])}
SettingGroup PlacementGroup() { return GROUP(kPlacement); }
SettingGroup FontGroup() { return GROUP(kFont); }
SettingGroup TimerGroup() { return GROUP(kTimer); }
SettingGroup WeekGroup() { return GROUP(kWeek); }
