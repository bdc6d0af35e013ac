#include "base/FileChooser.h"
#include <commdlg.h>
#include "base/UiLanguage.h"

bool ChooseFileToOpen(HWND owner, UINT titleId, UINT filterId, DWORD flags, wchar_t* path,
                      DWORD units) {
  wchar_t filter[128];
  UiFilter(filterId, filter, 128);
  path[0] = 0;
  // The record and its buffers are the call's own: the dialog is modal.
  OPENFILENAMEW dialog = {};
  // The size of the record as Windows 95 knew it: every system accepts it.
  dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = units;
  dialog.lpstrTitle = UiText(titleId);
  dialog.Flags = OFN_FILEMUSTEXIST | flags;
  return GetOpenFileNameW(&dialog) != 0;
}
