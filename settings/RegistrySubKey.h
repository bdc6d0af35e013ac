#pragma once
#include <windows.h>
#include "settings/RegistryKey.h"

// One named subkey below a RegistryKey, opened in the parent's mode; carries
// the typed reads and writes of values. A read that cannot be done yields
// the caller's default, and a text always comes back terminated.
class RegistrySubKey {
public:
  RegistryKey& Parent;
  char* Name;
  DWORD ValueType;
  DWORD DataSize;
  bool IsOpen;
  HKEY Handle;

  RegistrySubKey(RegistryKey& parent, const char* name);
  ~RegistrySubKey();
  RegistrySubKey(const RegistrySubKey&) = delete;
  RegistrySubKey& operator=(const RegistrySubKey&) = delete;

  void SetName(const char* name);
  void Close();
  bool OpenForRead();
  bool CreateForWrite();

  // A REG_DWORD of exactly four bytes, else the default.
  DWORD ReadDword(const char* valueName, DWORD defaultValue);
  bool WriteDword(const char* valueName, DWORD value);
  // A REG_SZ or REG_EXPAND_SZ that fits the buffer of `capacity` units and
  // takes at most capacity - 1 bytes in the ANSI code page, else the default
  // cut to capacity - 1 units. Returns the length of the text the buffer holds.
  DWORD ReadString(const char* valueName, wchar_t* buffer, DWORD capacity,
                   const wchar_t* defaultText);
  bool WriteString(const char* valueName, const wchar_t* text);
};
