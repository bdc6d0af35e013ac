#pragma once
#include "settings/rules/SettingsLayout.h"

// Every setting lives in HKCU\Software\ZEPH\Tivora, in the layout of
// StoredSettings: read once at start-up, and written by group the moment it
// changes (the placement at the end).

// Every value; a missing or unreadable number keeps its value in `defaults`,
// a missing text takes the layout's default.
StoredSettings ReadStoredSettings(const StoredSettings& defaults);

// Writes the given values of one subkey from `from`. Each write is tried
// whatever became of the one before; false when any failed.
bool WriteStoredValues(const SettingId* ids, size_t count, const StoredSettings& from);
bool WriteStoredGroup(SettingGroup group, const StoredSettings& from);
