#include "settings/rules/TextCut.h"

static bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
static bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The UTF-16 units of the character that starts at text: 2 for a surrogate
// pair, 1 otherwise (a lone surrogate counts as a character of its own).
static unsigned CharUnits(const wchar_t* text) {
  return IsHighSurrogate(text[0]) && IsLowSurrogate(text[1]) ? 2 : 1;
}

static unsigned CharCost(const wchar_t* character, unsigned units) {
  unsigned bytes = AnsiCharBytes(character, units);
  return bytes > units ? bytes : units;
}

unsigned AnsiLength(const wchar_t* text) {
  unsigned total = 0;
  for (unsigned n = 0; text && text[n] != 0;) {
    unsigned units = CharUnits(text + n);
    total += CharCost(text + n, units);
    n += units;
  }
  return total;
}

void CopyTextCut(wchar_t* out, const wchar_t* text, unsigned maxBytes) {
  unsigned n = 0;
  unsigned bytes = 0;
  while (text && text[n] != 0) {
    unsigned units = CharUnits(text + n);
    unsigned cost = CharCost(text + n, units);
    if (bytes + cost > maxBytes) break;
    for (unsigned i = 0; i < units; ++i) out[n + i] = text[n + i];
    bytes += cost;
    n += units;
  }
  out[n] = 0;
}

// The start of the character that ends just before position `end`.
static unsigned CharStartBefore(const wchar_t* text, unsigned end) {
  if (end >= 2 && IsLowSurrogate(text[end - 1]) && IsHighSurrogate(text[end - 2])) return end - 2;
  return end - 1;
}

unsigned RefuseExcess(wchar_t* text, unsigned caret, unsigned maxBytes) {
  while (caret > 0 && AnsiLength(text) > maxBytes) {
    unsigned start = CharStartBefore(text, caret);
    wchar_t* to = text + start;
    const wchar_t* from = text + caret;
    while ((*to++ = *from++) != 0) {}
    caret = start;
  }
  // Only with the caret at the start can the text still be too long.
  if (AnsiLength(text) > maxBytes) CopyTextCut(text, text, maxBytes);
  return caret;
}
