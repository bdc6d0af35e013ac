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
  // A REG_SZ or REG_EXPAND_SZ that fits the buffer, else the default cut to
  // capacity - 1 bytes. Returns the length of the text the buffer holds.
  DWORD ReadString(const char* valueName, char* buffer, DWORD capacity, const char* defaultText);
  bool WriteString(const char* valueName, const char* text);
};
