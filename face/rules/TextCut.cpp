#include "face/rules/TextCut.h"

static bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

void CopyTextCut(char* out, const char* text, unsigned maxBytes) {
  unsigned n = 0;
  if (text) {
    while (n < maxBytes && text[n] != '\0') {
      if (IsLeadByte((unsigned char)text[n])) {
        if (n + 1 >= maxBytes || text[n + 1] == '\0') break;
        out[n] = text[n];
        ++n;
      }
      out[n] = text[n];
      ++n;
    }
  }
  out[n] = '\0';
}
