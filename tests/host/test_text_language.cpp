#include <gtest/gtest.h>
#include "base/rules/TextLanguage.h"

// The program speaks Japanese to every Japanese UI and English to every
// other; a language it comes to hold is spoken to its own users.
TEST(TextLanguage, EachUiLanguageGetsItsOwnTextsOrEnglish) {
  const uint16_t held[] = {0x0411, 0x0409};
  struct Case { uint16_t ui; uint16_t want; };
  for (const Case& c : {Case{0x0411, 0x0411}, Case{0x0409, 0x0409}, Case{0x0809, 0x0409},
                        Case{0x0407, 0x0409}, Case{0x0804, 0x0409}, Case{0x0000, 0x0409},
                        Case{0x0011, 0x0411}})
    EXPECT_EQ(TextLanguageFor(c.ui, held, 2), c.want) << std::hex << c.ui;
  const uint16_t withGerman[] = {0x0411, 0x0409, 0x0407};
  EXPECT_EQ(TextLanguageFor(0x0C07, withGerman, 3), 0x0407) << "Austrian German reads German";
  EXPECT_EQ(TextLanguageFor(0x0411, nullptr, 0), kEnglishTexts) << "no texts held";
}
