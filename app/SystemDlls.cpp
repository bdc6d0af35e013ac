#include "app/SystemDlls.h"
#include <windows.h>
#include <delayimp.h>

// True once the system searches only its own folder for DLLs named without
// a path.
static bool SearchRestricted = false;

void RestrictDllSearch() {
  // Present from Windows 8, and in Windows 7 only with an update: looked up
  // rather than imported, so that the exe still starts without it.
  using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
  const auto setDefault = reinterpret_cast<SetDefaultDirectories>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  SearchRestricted = setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// The system folder's copy of the DLL `name`, loaded; null when it has none.
static HMODULE LoadFromSystemFolder(const char* name) {
  // Named alone, a DLL that the manifest redirects (the common controls of
  // version 6) still comes from the side-by-side store.
  if (SearchRestricted) return LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  // The folder's name in UTF-16, whatever the code page; the DLL's name is
  // ASCII.
  wchar_t path[MAX_PATH];
  const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
  const int length = lstrlenA(name);
  if (folder == 0 || folder + 1 + length >= MAX_PATH) return nullptr;
  path[folder] = L'\\';
  for (int i = 0; i <= length; ++i) path[folder + 1 + i] = static_cast<unsigned char>(name[i]);
  // The DLL's own imports are then looked for in the system folder too.
  return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Asked by the runtime's loader of the delay-loaded DLLs before it loads
// one. A module returned here is used as it is; a null one would make the
// runtime load the bare name itself, which without the restricted search
// looks beside the exe first. So that never happens: a DLL missing from the
// system folder is answered with the exe itself, whose lookup of the
// function then fails as a missing DLL's would.
static FARPROC WINAPI BeforeDelayLoad(unsigned notification, PDelayLoadInfo info) {
  if (notification != dliNotePreLoadLibrary) return nullptr;
  HMODULE module = LoadFromSystemFolder(info->szDll);
  if (!module && !SearchRestricted) module = GetModuleHandleA(nullptr);
  return reinterpret_cast<FARPROC>(module);
}

// Declared by <delayimp.h> with C linkage; the runtime reads it.
PfnDliHook __pfnDliNotifyHook2 = BeforeDelayLoad;
