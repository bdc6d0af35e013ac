#include "settings/RegistryKey.h"
#include <new>

char* CopyOfText(const char* text) {
  if (!text) return nullptr;
  int size = lstrlenA(text) + 1;
  char* copy = new (std::nothrow) char[size];
  if (copy) CopyMemory(copy, text, size);
  return copy;
}

void FreeText(char* text) { delete[] text; }

WideName::WideName(const char* name) : name_(name != nullptr) {
  unsigned n = 0;
  for (; name && name[n] != '\0' && n + 1 < sizeof text_ / sizeof text_[0]; ++n)
    text_[n] = wchar_t(static_cast<unsigned char>(name[n]));
  text_[n] = 0;
}

RegistryKey::RegistryKey(const char* path)
    : Path(nullptr), IsOpen(false), Handle(nullptr), Access(0) {
  SetPath(path);
}

RegistryKey::~RegistryKey() {
  Close();
  FreeText(Path);
}

void RegistryKey::SetPath(const char* path) {
  Close();
  FreeText(Path);
  Path = CopyOfText(path);
}

bool RegistryKey::OpenForRead() {
  Close();
  Access = KEY_READ;
  IsOpen = Path && RegOpenKeyExW(HKEY_CURRENT_USER, WideName(Path).get(), 0, KEY_READ, &Handle) == ERROR_SUCCESS;
  if (!IsOpen) Handle = nullptr;
  return IsOpen;
}

bool RegistryKey::CreateForWrite() {
  Access = KEY_WRITE;
  DWORD disposition = 0;
  IsOpen = Path && RegCreateKeyExW(HKEY_CURRENT_USER, WideName(Path).get(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_WRITE, nullptr, &Handle, &disposition) == ERROR_SUCCESS;
  if (!IsOpen) Handle = nullptr;
  return IsOpen;
}

void RegistryKey::Close() {
  if (Handle) RegCloseKey(Handle);
  Handle = nullptr;
  IsOpen = false;
  Access = 0;
}
