#include <windows.h>
#include "settings/rules/TextCut.h"

// The system's own conversion decides: a character outside the code page
// becomes its replacement, one byte.
unsigned AnsiCharBytes(const wchar_t* character, unsigned units) {
  char bytes[8];
  int n = WideCharToMultiByte(CP_ACP, 0, character, int(units), bytes, sizeof bytes, nullptr,
                              nullptr);
  return n > 0 ? unsigned(n) : 1;
}
