#pragma once
#include <cstdint>

// The language of the program's texts, as a Windows language id.
constexpr uint16_t kEnglishTexts = 0x0409;  // English (United States)

// Of the languages the program holds texts in (`held`), the one for a user
// whose UI language is `uiLanguage`: that language itself where it is
// held, else one of the same primary language (every Japanese UI gets the
// Japanese texts, a British one the English), else English, which everyone
// can be expected to read better than a language they did not choose.
uint16_t TextLanguageFor(uint16_t uiLanguage, const uint16_t* held, int heldCount);
