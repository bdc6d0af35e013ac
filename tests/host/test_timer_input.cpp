#include <gtest/gtest.h>
#include <cstdint>
#include <initializer_list>
#include "timer/rules/TimerInput.h"

TEST(TimerInput, TimesWithAnySeparatorAreAcceptedWithinTheDay) {
  for (const char* text : {"07:30", "07.30", "07 30", "00:00", "23:59", "12x05"})
    EXPECT_TRUE(TimerInput::IsValidTimeText(text)) << text;
}

TEST(TimerInput, TimesOfTheWrongShapeOrOutOfRangeAreRefused) {
  const char* refused[] = {
      "7:30",     // four bytes
      "007:30",   // six bytes
      "",        "07:3", "24:00", "07:60", "99:99",
      "a7:30",   "07:3b", "-1:00", " 7:30", "07:+3",
      "０７:３０",  // full-width digits: double-byte characters of code page 932
  };
  for (const char* text : refused) EXPECT_FALSE(TimerInput::IsValidTimeText(text)) << text;
  EXPECT_FALSE(TimerInput::IsValidTimeText(nullptr));
}

namespace {

struct Reading {
  const char* Text;
  uint32_t Value;
};

// Each text is accepted by `read`, in turn into the same *value, and gives
// the value beside it.
void ExpectReadAs(bool (*read)(const char*, uint32_t*), uint32_t* value,
                  std::initializer_list<Reading> readings) {
  for (const Reading& r : readings) {
    EXPECT_TRUE(read(r.Text, value)) << r.Text;
    EXPECT_EQ(*value, r.Value) << r.Text;
  }
}

}  // namespace

TEST(TimerInput, CountIsReadLikeAnUnsignedDialogNumber) {
  uint32_t value = 99;
  ExpectReadAs(TimerInput::ReadNumber, &value,
               {{"007", 7u}, {"  12  ", 12u}, {"4294967295", 4294967295u}});
  for (const char* text : {"", "   ", "abc", "-1", "+5", "5a", "1 2", "4294967296",
                           "99999999999999999999"}) {
    EXPECT_FALSE(TimerInput::ReadNumber(text, &value)) << text;
    EXPECT_EQ(value, 0u) << text;
  }
}

TEST(TimerInput, CountMustLieBetweenOneAndSixty) {
  uint32_t count = 0;
  ExpectReadAs(TimerInput::ReadCount, &count, {{"1", 1u}, {"60", 60u}, {"007", 7u}});
  for (const char* text : {"0", "61", "-1", "", "abc", "100"})
    EXPECT_FALSE(TimerInput::ReadCount(text, &count)) << text;
}
