#pragma once
#include <windows.h>
#include "tests/win/TestSupport.h"

// The clock's key made to refuse every save for one scope: a volatile key
// takes no lasting subkey, so each group's write fails as a full registry
// or a policy would make it fail. Emptied again at the end.
class UnwritableClockKey {
public:
  UnwritableClockKey() {
    ResetClockRegistry();
    HKEY key = nullptr;
    Made = RegCreateKeyExA(HKEY_CURRENT_USER, ClockKeyPath(nullptr).c_str(), 0, nullptr,
                           REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                           nullptr) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
  }
  ~UnwritableClockKey() { ResetClockRegistry(); }
  UnwritableClockKey(const UnwritableClockKey&) = delete;
  UnwritableClockKey& operator=(const UnwritableClockKey&) = delete;

  bool Made = false;
};
