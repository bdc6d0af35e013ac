#include "timer/rules/TimerInput.h"
#include "settings/rules/TextCut.h"

static bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

static unsigned TwoDigits(const wchar_t* p) {
  return unsigned(p[0] - L'0') * 10 + unsigned(p[1] - L'0');
}

bool TimerInput::IsValidTimeText(const wchar_t* text) {
  if (!text) return false;
  for (int i = 0; i < 5; ++i)
    if (text[i] == 0) return false;
  if (text[5] != 0) return false;
  // Five bytes in the ANSI code page, as the rule has always counted: a
  // double-byte separator makes the text too long.
  if (AnsiLength(text) != 5) return false;
  // Character 3 is the separator and may be anything, so ":" "." and " " all do.
  if (!IsDigit(text[0]) || !IsDigit(text[1]) || !IsDigit(text[3]) || !IsDigit(text[4]))
    return false;
  return TwoDigits(text) <= 23 && TwoDigits(text + 3) <= 59;
}

bool TimerInput::ReadNumber(const wchar_t* text, uint32_t* value) {
  *value = 0;
  if (!text) return false;
  const wchar_t* p = text;
  while (*p == L' ') ++p;
  if (!IsDigit(*p)) return false;
  uint64_t number = 0;
  while (IsDigit(*p)) {
    number = number * 10 + uint64_t(*p - L'0');
    if (number > 0xFFFFFFFFull) return false;
    ++p;
  }
  while (*p == L' ') ++p;
  if (*p != 0) return false;
  *value = uint32_t(number);
  return true;
}

bool TimerInput::ReadCount(const wchar_t* text, uint32_t* count) {
  return ReadNumber(text, count) && *count >= kMinCount && *count <= kMaxCount;
}
