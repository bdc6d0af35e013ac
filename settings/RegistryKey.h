#pragma once
#include <windows.h>

// One key below HKEY_CURRENT_USER, opened for reading or created for
// writing. Owns its path copy and its handle.
class RegistryKey {
public:
  char* Path;
  bool IsOpen;
  HKEY Handle;
  REGSAM Access;   // the mask of the last open or create, 0 after Close

  explicit RegistryKey(const char* path);
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  void SetPath(const char* path);
  bool OpenForRead();
  bool CreateForWrite();
  void Close();
};

// A key or value name of the layout (ASCII) as the W functions take it.
class WideName {
public:
  explicit WideName(const char* name);
  const wchar_t* get() const { return name_ ? text_ : nullptr; }

private:
  wchar_t text_[128];
  bool name_;
};

// Duplicates a text on the process heap; null for null or when out of memory.
char* CopyOfText(const char* text);
void FreeText(char* text);
