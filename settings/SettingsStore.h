#pragma once
#include "settings/rules/SettingsLayout.h"

// Every setting lives in HKCU\Software\ZEPH\Tivora, in the layout of
// StoredSettings: read once at start-up, and written by group the moment it
// changes (the placement at the end).

// Reads every value into `s`, which holds the defaults: a missing or
// unreadable number keeps its value there, one outside its range takes the
// layout's default, and so does a missing text.
void ReadStoredSettings(StoredSettings& s);

// Writes the given values of one subkey from `from`. Each write is tried
// whatever became of the one before; false when any failed.
bool WriteStoredValues(const SettingId* ids, size_t count, const StoredSettings& from);
bool WriteStoredGroup(SaveGroup group, const StoredSettings& from);
