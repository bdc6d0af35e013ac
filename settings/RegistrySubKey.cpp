#include "settings/RegistrySubKey.h"

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
           RegOpenKeyExA(Parent.Handle, Name, 0, Parent.Access, &Handle) == ERROR_SUCCESS;
  if (!IsOpen) Handle = nullptr;
  return IsOpen;
}

bool RegistrySubKey::CreateForWrite() {
  Close();
  if (!Parent.IsOpen) Parent.CreateForWrite();
  DWORD disposition = 0;
  IsOpen = Parent.IsOpen && Name &&
           RegCreateKeyExA(Parent.Handle, Name, 0, nullptr, REG_OPTION_NON_VOLATILE,
                           Parent.Access, nullptr, &Handle, &disposition) == ERROR_SUCCESS;
  if (!IsOpen) Handle = nullptr;
  return IsOpen;
}

DWORD RegistrySubKey::ReadDword(const char* valueName, DWORD defaultValue) {
  DataSize = sizeof(DWORD);
  if (!IsOpen) return defaultValue;
  DWORD value = 0;
  LONG rc = RegQueryValueExA(Handle, valueName, nullptr, &ValueType,
                             reinterpret_cast<BYTE*>(&value), &DataSize);
  // Fewer than four bytes, or another type, is no number.
  if (rc != ERROR_SUCCESS || DataSize != sizeof(DWORD) || ValueType != REG_DWORD)
    return defaultValue;
  return value;
}

bool RegistrySubKey::WriteDword(const char* valueName, DWORD value) {
  return RegSetValueExA(Handle, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value) == ERROR_SUCCESS;
}

static DWORD CopyDefault(char* buffer, DWORD capacity, const char* text) {
  DWORD n = 0;
  while (text && n + 1 < capacity && text[n] != '\0') {
    buffer[n] = text[n];
    ++n;
  }
  buffer[n] = '\0';
  return n;
}

DWORD RegistrySubKey::ReadString(const char* valueName, char* buffer, DWORD capacity,
                                 const char* defaultText) {
  if (!buffer || capacity == 0) return 0;
  DataSize = capacity;
  buffer[0] = '\0';
  if (IsOpen) {
    LONG rc = RegQueryValueExA(Handle, valueName, nullptr, &ValueType,
                               reinterpret_cast<BYTE*>(buffer), &DataSize);
    bool isText = ValueType == REG_SZ || ValueType == REG_EXPAND_SZ;
    if (rc == ERROR_SUCCESS && isText && DataSize <= capacity) {
      // Stored texts need not carry their terminator: end the text inside
      // the buffer whatever the data says.
      DWORD n = 0;
      while (n < DataSize && buffer[n] != '\0') ++n;
      if (n < capacity) {
        buffer[n] = '\0';
        return n;
      }
      // A full buffer without a terminator holds capacity bytes of text:
      // one more than fits.
    }
  }
  return CopyDefault(buffer, capacity, defaultText);
}

bool RegistrySubKey::WriteString(const char* valueName, const char* text) {
  if (!text) text = "";
  return RegSetValueExA(Handle, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        lstrlenA(text) + 1) == ERROR_SUCCESS;
}
