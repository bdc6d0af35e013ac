#include "settings/SettingsStore.h"
#include "settings/RegistrySubKey.h"
#include "settings/rules/SettingsLayout.h"

static const char* SubkeyName(Subkey where) {
  return where == Subkey::Settings ? kSettingsSubkey : kTimerSubkey;
}

// A value that is absent keeps what `into` holds: the default.
static void ReadValue(RegistrySubKey& sub, const SettingRow& row, StoredSettings& into) {
  if (row.Kind == ValueKind::Text) {
    sub.ReadString(row.Name, row.TextIn(into), kTextCapacity, row.DefaultText);
  } else {
    DWORD v = sub.ReadDword(row.Name, row.NumberIn(into));
    if (!row.Accepts(v)) v = row.DefaultNumber;
    row.NumberIn(into) = row.Kind == ValueKind::Switch ? NormalizeSwitch(v) : v;
  }
}

static bool WriteValue(RegistrySubKey& sub, const SettingRow& row, const StoredSettings& from) {
  if (row.Kind == ValueKind::Text) return sub.WriteString(row.Name, row.TextIn(from));
  DWORD v = row.NumberIn(from);
  return sub.WriteDword(row.Name, row.Kind == ValueKind::Switch ? NormalizeSwitch(v) : v);
}

constexpr Subkey kSubkeys[] = {Subkey::Settings, Subkey::Timer};

void ReadStoredSettings(StoredSettings& s) {
  size_t count = 0;
  const SettingRow* table = SettingsTable(&count);
  RegistryKey key(kSettingsKeyPath);
  for (const Subkey where : kSubkeys) {
    RegistrySubKey sub(key, SubkeyName(where));
    sub.OpenForRead();
    for (size_t i = 0; i < count; ++i)
      if (table[i].Where == where) ReadValue(sub, table[i], s);
  }
}

bool WriteStoredValues(const SettingId* ids, size_t count, const StoredSettings& from) {
  if (count == 0) return true;
  RegistryKey key(kSettingsKeyPath);
  RegistrySubKey sub(key, SubkeyName(RowOf(ids[0]).Where));
  if (!sub.CreateForWrite()) return false;
  bool ok = true;
  for (size_t i = 0; i < count; ++i) ok = WriteValue(sub, RowOf(ids[i]), from) && ok;
  sub.Close();
  return ok;
}

bool WriteStoredGroup(SaveGroup group, const StoredSettings& from) {
  SettingId ids[size_t(SettingId::Count)];
  return WriteStoredValues(ids, GroupIds(group, ids), from);
}
