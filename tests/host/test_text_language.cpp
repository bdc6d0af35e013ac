#include <gtest/gtest.h>
#include "base/rules/TextLanguage.h"

// Japanese to every Japanese UI, English to every other; a language the
// program comes to hold, to its own users of every region.
TEST(TextLanguage, EachUiLanguageGetsItsOwnTextsOrEnglish) {
  const uint16_t held[] = {0x0411, 0x0409, 0x0407};
  struct Case { uint16_t ui; int heldCount; uint16_t want; };
  for (const Case& c : {Case{0x0411, 2, 0x0411}, Case{0x0011, 2, 0x0411}, Case{0x0409, 2, 0x0409},
                        Case{0x0809, 2, 0x0409}, Case{0x0407, 2, 0x0409}, Case{0x0000, 2, 0x0409},
                        Case{0x0C07, 3, 0x0407}, Case{0x0411, 0, kEnglishTexts}})
    EXPECT_EQ(TextLanguageFor(c.ui, held, c.heldCount), c.want) << std::hex << c.ui;
}
