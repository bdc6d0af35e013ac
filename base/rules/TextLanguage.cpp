#include "base/rules/TextLanguage.h"

// A language id's low ten bits name the language, the rest its region.
static uint16_t PrimaryOf(uint16_t language) { return uint16_t(language & 0x3FF); }

uint16_t TextLanguageFor(uint16_t uiLanguage, const uint16_t* held, int heldCount) {
  for (int i = 0; i < heldCount; ++i)
    if (held[i] == uiLanguage) return uiLanguage;
  for (int i = 0; i < heldCount; ++i)
    if (PrimaryOf(held[i]) == PrimaryOf(uiLanguage)) return held[i];
  return kEnglishTexts;
}
