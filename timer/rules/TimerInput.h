#pragma once
#include <cstdint>

// The checks that the timer settings dialog makes at OK, on the texts as the
// edits hold them. Nothing is stored unless every check passes.
class TimerInput {
public:
  static constexpr uint32_t kMinCount = 1;
  static constexpr uint32_t kMaxCount = 60;

  // An alarm time as typed: exactly five characters, two digits of hour (0 to 23),
  // any one separator character, two digits of minute (0 to 59). "07:30", "07.30"
  // and "07 30" pass; "7:30", "24:00" and full-width digits do not.
  static bool IsValidTimeText(const wchar_t* text);

  // Reads the beep count the way the dialog manager reads an unsigned number
  // from an edit: leading and trailing blanks allowed, decimal digits only,
  // no sign. False for an empty field, letters, a minus sign or a number too
  // large for 32 bits; *value is then 0.
  static bool ReadNumber(const wchar_t* text, uint32_t* value);

  // The count as a valid number of beeps: read as above and within 1 to 60.
  static bool ReadCount(const wchar_t* text, uint32_t* count);
};
