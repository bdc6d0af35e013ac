#include "settings/StartWithWindows.h"
#include "settings/RegistryKey.h"
#include "settings/rules/RunCommand.h"

static const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
static const wchar_t kRunValue[] = L"Tivora";
constexpr DWORD kPathUnits = MAX_PATH + 3;   // a path, its quotes and a terminator

// The exe's own path; false when it does not fit (or is cut to fit).
static bool ExePath(wchar_t (&path)[kPathUnits]) {
  const DWORD n = GetModuleFileNameW(nullptr, path, kPathUnits);
  return n > 0 && n < kPathUnits - 3;
}

// A letter in upper case by the system's casing table, the one Windows
// compares file names with: every letter, not only the ASCII ones.
static wchar_t UpperCase(wchar_t c) {
  return wchar_t(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(UINT_PTR(c)))));
}

bool IsRunCommandFor(const wchar_t* stored, const wchar_t* path) {
  return IsCommandFor(stored, path, UpperCase);
}

bool StartsWithWindows() {
  wchar_t path[kPathUnits];
  wchar_t stored[kPathUnits + 1] = {};
  RegistryKey run(kRunKey);
  if (!ExePath(path) || !run.OpenForRead()) return false;
  DWORD type = 0;
  DWORD size = sizeof stored - sizeof(wchar_t);   // a terminator always follows
  return RegQueryValueExW(run.Handle, kRunValue, nullptr, &type, reinterpret_cast<BYTE*>(stored),
                          &size) == ERROR_SUCCESS &&
         (type == REG_SZ || type == REG_EXPAND_SZ) && IsRunCommandFor(stored, path);
}

bool SetStartWithWindows(bool on) {
  RegistryKey run(kRunKey);
  if (!on) {
    if (!run.CreateForWrite()) return false;
    const LONG rc = RegDeleteValueW(run.Handle, kRunValue);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
  }
  wchar_t path[kPathUnits];
  wchar_t command[kPathUnits];
  if (!ExePath(path) || !QuoteCommand(path, command, kPathUnits) || !run.CreateForWrite()) return false;
  return RegSetValueExW(run.Handle, kRunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                        DWORD(lstrlenW(command) + 1) * sizeof(wchar_t)) == ERROR_SUCCESS;
}
