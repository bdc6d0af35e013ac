#include "timer/rules/TimerInput.h"

static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

static unsigned TwoDigits(const char* p) { return unsigned(p[0] - '0') * 10 + unsigned(p[1] - '0'); }

bool TimerInput::IsValidTimeText(const char* text) {
  if (!text) return false;
  for (int i = 0; i < 5; ++i)
    if (text[i] == '\0') return false;
  if (text[5] != '\0') return false;
  // Byte 3 is the separator and may be anything, so ":" "." and " " all do.
  if (!IsDigit(text[0]) || !IsDigit(text[1]) || !IsDigit(text[3]) || !IsDigit(text[4]))
    return false;
  return TwoDigits(text) <= 23 && TwoDigits(text + 3) <= 59;
}

bool TimerInput::ReadNumber(const char* text, uint32_t* value) {
  *value = 0;
  if (!text) return false;
  const char* p = text;
  while (*p == ' ') ++p;
  if (!IsDigit(*p)) return false;
  uint64_t number = 0;
  while (IsDigit(*p)) {
    number = number * 10 + uint64_t(*p - '0');
    if (number > 0xFFFFFFFFull) return false;
    ++p;
  }
  while (*p == ' ') ++p;
  if (*p != '\0') return false;
  *value = uint32_t(number);
  return true;
}

bool TimerInput::ReadCount(const char* text, uint32_t* count) {
  return ReadNumber(text, count) && *count >= kMinCount && *count <= kMaxCount;
}
