#pragma once
#include <windows.h>

// The system's dialog that picks a file to open, in the program's language:
// its title is text `titleId`, its filter text `filterId` ('|' between the
// parts), and it starts empty in the first filter. The file must exist;
// `flags` adds the dialog's own options. True, with the file's path in
// `path` (`units` long), when the user chose one.
bool ChooseFileToOpen(HWND owner, UINT titleId, UINT filterId, DWORD flags, wchar_t* path,
                      DWORD units);
