#include "tests/host/AnsiCodePageModel.h"
#include "settings/rules/TextCut.h"

unsigned HostAnsiCodePage = 932;

static bool IsDoubleByteIn932(wchar_t c) {
  if (c < 0x80) return false;
  if (c >= 0xFF61 && c <= 0xFF9F) return false;            // half-width katakana
  if (c >= 0x0391 && c <= 0x0451) return true;             // Greek and Cyrillic
  if (c >= 0x2010 && c <= 0x9FFF) return true;             // punctuation, kana, kanji
  if (c >= 0xFF01 && c <= 0xFF5E) return true;             // full-width forms
  return false;                                            // Latin-1 and the rest: one replacement byte
}

unsigned AnsiCharBytes(const wchar_t* character, unsigned units) {
  if (units != 1) return 1;   // outside the BMP: one replacement character
  return HostAnsiCodePage == 932 && IsDoubleByteIn932(character[0]) ? 2 : 1;
}
