#include "settings/RegistrySubKey.h"
#include "settings/rules/TextCut.h"

RegistrySubKey::RegistrySubKey(RegistryKey& parent, const char* name)
    : Parent(parent), Name(nullptr), ValueType(0), DataSize(0), IsOpen(false), Handle(nullptr) {
  SetName(name);
}

RegistrySubKey::~RegistrySubKey() {
  Close();
  FreeText(Name);
}

void RegistrySubKey::SetName(const char* name) {
  Close();
  FreeText(Name);
  Name = CopyOfText(name);
}

void RegistrySubKey::Close() {
  if (Handle) RegCloseKey(Handle);
  Handle = nullptr;
  IsOpen = false;
}

bool RegistrySubKey::OpenForRead() {
  Close();
  if (!Parent.IsOpen) Parent.OpenForRead();
  IsOpen = Parent.IsOpen && Name &&
           RegOpenKeyExW(Parent.Handle, WideName(Name).get(), 0, Parent.Access, &Handle) == ERROR_SUCCESS;
  if (!IsOpen) Handle = nullptr;
  return IsOpen;
}

bool RegistrySubKey::CreateForWrite() {
  Close();
  if (!Parent.IsOpen) Parent.CreateForWrite();
  DWORD disposition = 0;
  IsOpen = Parent.IsOpen && Name &&
           RegCreateKeyExW(Parent.Handle, WideName(Name).get(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           Parent.Access, nullptr, &Handle, &disposition) == ERROR_SUCCESS;
  if (!IsOpen) Handle = nullptr;
  return IsOpen;
}

DWORD RegistrySubKey::ReadDword(const char* valueName, DWORD defaultValue) {
  DataSize = sizeof(DWORD);
  if (!IsOpen) return defaultValue;
  DWORD value = 0;
  LONG rc = RegQueryValueExW(Handle, WideName(valueName).get(), nullptr, &ValueType,
                             reinterpret_cast<BYTE*>(&value), &DataSize);
  // Fewer than four bytes, or another type, is no number.
  if (rc != ERROR_SUCCESS || DataSize != sizeof(DWORD) || ValueType != REG_DWORD)
    return defaultValue;
  return value;
}

bool RegistrySubKey::WriteDword(const char* valueName, DWORD value) {
  return RegSetValueExW(Handle, WideName(valueName).get(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value) == ERROR_SUCCESS;
}

static DWORD CopyDefault(wchar_t* buffer, DWORD capacity, const wchar_t* text) {
  DWORD n = 0;
  while (text && n + 1 < capacity && text[n] != 0) {
    buffer[n] = text[n];
    ++n;
  }
  buffer[n] = 0;
  return n;
}

DWORD RegistrySubKey::ReadString(const char* valueName, wchar_t* buffer, DWORD capacity,
                                 const wchar_t* defaultText) {
  if (!buffer || capacity == 0) return 0;
  const DWORD bytes = capacity * sizeof(wchar_t);
  DataSize = bytes;
  buffer[0] = 0;
  if (IsOpen) {
    LONG rc = RegQueryValueExW(Handle, WideName(valueName).get(), nullptr, &ValueType,
                               reinterpret_cast<BYTE*>(buffer), &DataSize);
    bool isText = ValueType == REG_SZ || ValueType == REG_EXPAND_SZ;
    if (rc == ERROR_SUCCESS && isText && DataSize <= bytes) {
      // Stored texts need not carry their terminator: end the text inside
      // the buffer whatever the data says.
      DWORD units = DataSize / sizeof(wchar_t);
      DWORD n = 0;
      while (n < units && buffer[n] != 0) ++n;
      if (n < capacity) {
        buffer[n] = 0;
        // The layout's limit is in bytes of the ANSI code page: a text that
        // takes more there is as unreadable as it is to the ANSI reader.
        if (AnsiLength(buffer) < capacity) return n;
      }
      // A full buffer without a terminator holds capacity units of text:
      // one more than fits.
    }
  }
  return CopyDefault(buffer, capacity, defaultText);
}

bool RegistrySubKey::WriteString(const char* valueName, const wchar_t* text) {
  if (!text) text = L"";
  return RegSetValueExW(Handle, WideName(valueName).get(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text),
                        DWORD(lstrlenW(text) + 1) * sizeof(wchar_t)) == ERROR_SUCCESS;
}
