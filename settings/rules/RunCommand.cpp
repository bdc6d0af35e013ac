#include "settings/rules/RunCommand.h"

bool QuoteCommand(const wchar_t* path, wchar_t* out, unsigned capacity) {
  unsigned n = 0;
  while (path[n]) ++n;
  if (n + 3 > capacity) return false;
  out[0] = L'"';
  for (unsigned i = 0; i < n; ++i) out[i + 1] = path[i];
  out[n + 1] = L'"';
  out[n + 2] = 0;
  return true;
}

bool IsCommandFor(const wchar_t* stored, const wchar_t* path, wchar_t (*upper)(wchar_t)) {
  if (*stored++ != L'"') return false;
  while (*path && upper(*stored) == upper(*path)) ++stored, ++path;
  return *path == 0 && stored[0] == L'"' && stored[1] == 0;
}
