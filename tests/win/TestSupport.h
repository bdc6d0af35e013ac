#pragma once
#include <windows.h>
#include <shlwapi.h>

// Removes a key below HKEY_CURRENT_USER with everything under it.
inline void DeleteTree(const char* path) { SHDeleteKeyA(HKEY_CURRENT_USER, path); }

// The clock's own key, emptied before a test that reads or writes settings.
inline void ResetClockRegistry() { DeleteTree("Software\\ZEPH\\Tivora"); }
