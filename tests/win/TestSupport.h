#pragma once
#include <windows.h>
#include <shlwapi.h>

// Removes a key below HKEY_CURRENT_USER with everything under it.
inline void DeleteTree(const char* path) { SHDeleteKeyA(HKEY_CURRENT_USER, path); }

// The clock's own key, emptied before a test that reads or writes settings.
inline void ResetClockRegistry() { DeleteTree("Software\\ZEPH\\Tivora"); }

#include "app/ClockApp.h"
#include "app/Globals.h"

// A fresh application object in App for one test; the previous one (if a
// test left any) is put back afterwards.
class ScopedApp {
public:
  ScopedApp() : previous_(App) {
    App = new ClockApp(GetModuleHandleA(nullptr), nullptr, SW_SHOWNORMAL);
  }
  ~ScopedApp() {
    delete App;
    App = previous_;
  }
  ScopedApp(const ScopedApp&) = delete;
  ScopedApp& operator=(const ScopedApp&) = delete;
  ClockApp* operator->() const { return App; }

private:
  ClockApp* previous_;
};

// Raw access to the clock's subkeys, beside the program's own wrappers.
inline HKEY OpenClockSubkey(const char* subkey) {
  char path[128] = "Software\\ZEPH\\Tivora\\";
  lstrcatA(path, subkey);
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

inline void PutRaw(const char* subkey, const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = OpenClockSubkey(subkey);
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

inline void PutDword(const char* subkey, const char* name, DWORD value) {
  PutRaw(subkey, name, REG_DWORD, &value, sizeof value);
}

inline void PutText(const char* subkey, const char* name, const char* text) {
  PutRaw(subkey, name, REG_SZ, text, lstrlenA(text) + 1);
}

// Reads one of the clock's values as stored: false when it is missing.
inline bool GetRaw(const char* subkey, const char* name, DWORD* type, void* data, DWORD* size) {
  char path[128] = "Software\\ZEPH\\Tivora\\";
  lstrcatA(path, subkey);
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  LONG rc = RegQueryValueExA(key, name, nullptr, type, static_cast<BYTE*>(data), size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

inline bool GetDword(const char* subkey, const char* name, DWORD* value) {
  DWORD type = 0, size = sizeof *value;
  return GetRaw(subkey, name, &type, value, &size) && type == REG_DWORD && size == 4;
}

inline bool GetText(const char* subkey, const char* name, char* out, DWORD capacity) {
  DWORD type = 0;
  return GetRaw(subkey, name, &type, out, &capacity) && type == REG_SZ;
}

inline bool ValueExists(const char* subkey, const char* name) {
  DWORD type = 0, size = 0;
  return GetRaw(subkey, name, &type, nullptr, &size);
}
