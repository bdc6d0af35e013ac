#include <gtest/gtest.h>
#include <cstdint>
#include <initializer_list>
#include "timer/rules/TimerInput.h"

TEST(TimerInput, TimesWithAnySeparatorAreAcceptedWithinTheDay) {
  for (const wchar_t* text : {L"07:30", L"07.30", L"07 30", L"00:00", L"23:59", L"12x05"})
    EXPECT_TRUE(TimerInput::IsValidTimeText(text)) << text;
}

TEST(TimerInput, TimesOfTheWrongShapeOrOutOfRangeAreRefused) {
  const wchar_t* refused[] = {
      L"7:30",     // four bytes
      L"007:30",   // six bytes
      L"",        L"07:3", L"24:00", L"07:60", L"99:99",
      L"a7:30",   L"07:3b", L"-1:00", L" 7:30", L"07:+3",
      L"０７:３０",  // full-width digits
      L"07あ30",  // a double-byte separator: six bytes in code page 932
  };
  for (const wchar_t* text : refused) EXPECT_FALSE(TimerInput::IsValidTimeText(text)) << text;
  EXPECT_FALSE(TimerInput::IsValidTimeText(nullptr));
}

namespace {

struct Reading {
  const wchar_t* Text;
  uint32_t Value;
};

// Each text is accepted by `read`, in turn into the same *value, and gives
// the value beside it.
void ExpectReadAs(bool (*read)(const wchar_t*, uint32_t*), uint32_t* value,
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
               {{L"007", 7u}, {L"  12  ", 12u}, {L"4294967295", 4294967295u}});
  for (const wchar_t* text : {L"", L"   ", L"abc", L"-1", L"+5", L"5a", L"1 2", L"4294967296",
                           L"99999999999999999999"}) {
    EXPECT_FALSE(TimerInput::ReadNumber(text, &value)) << text;
    EXPECT_EQ(value, 0u) << text;
  }
}

TEST(TimerInput, CountMustLieBetweenOneAndSixty) {
  uint32_t count = 0;
  ExpectReadAs(TimerInput::ReadCount, &count, {{L"1", 1u}, {L"60", 60u}, {L"007", 7u}});
  for (const wchar_t* text : {L"0", L"61", L"-1", L"", L"abc", L"100"})
    EXPECT_FALSE(TimerInput::ReadCount(text, &count)) << text;
}
