#include "settings/rules/SettingsLayout.h"
#include <cstddef>
#include <cstring>

const char kSettingsKeyPath[] = "Software\\ZEPH\\Tivora";
const char kSettingsSubkey[] = "Settings";
const char kTimerSubkey[] = "Timer";

using S = StoredSettings;

#define NUMBER(id, where, def, group, min, max)                                         \
  {SettingId::id, Subkey::where, ValueKind::Number, SaveGroup::group, #id, uint32_t(def), \
   nullptr, offsetof(S, id), min, max},
#define SWITCH(id, where, def, group)                                                    \
  {SettingId::id, Subkey::where, ValueKind::Switch, SaveGroup::group, #id, def, nullptr,  \
   offsetof(S, id), 0, 0},
#define TEXT(id, where, def, group)                                                      \
  {SettingId::id, Subkey::where, ValueKind::Text, SaveGroup::group, #id, 0, L"" def,      \
   offsetof(S, id), 0, 0},

constexpr SettingRow kTable[] = {TIVORA_STORED_VALUES(NUMBER, SWITCH, TEXT)};

static_assert(sizeof(S) < 0x10000, "every field's place fits the table's 16 bits");
static_assert(sizeof(kTable) / sizeof(kTable[0]) == size_t(SettingId::Count),
              "one row per setting");
static_assert(AlarmOnId(4) == SettingId::On4 && AlarmTimeId(4) == SettingId::Alarm4 &&
                  AlarmMessageId(4) == SettingId::Msg4 && AlarmDaysId(4) == SettingId::Days4,
              "each alarm's values stand in the same pattern");

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

void SetDefaults(StoredSettings& s) {
  std::memset(&s, 0, sizeof s);
  for (const SettingRow& row : kTable) {
    if (row.Kind == ValueKind::Text) {
      wchar_t* text = row.TextIn(s);
      for (size_t n = 0; n + 1 < kTextCapacity && row.DefaultText[n] != 0; ++n)
        text[n] = row.DefaultText[n];
    } else {
      row.NumberIn(s) = row.DefaultNumber;
    }
  }
}

size_t GroupIds(SaveGroup group, SettingId* ids) {
  size_t count = 0;
  for (const SettingRow& row : kTable)
    if (row.Group == group && group != SaveGroup::None) ids[count++] = row.Id;
  return count;
}
