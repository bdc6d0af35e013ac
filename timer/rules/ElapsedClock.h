#pragma once
#include <cstdint>

// The system's milliseconds since it started (GetTickCount), which wrap to
// 0 every 49.7 days, carried on in 64 bits. It counts on through a sleep and
// does not move when the wall clock is set. Read at least once per wrap: the
// tick reads it every second.
class ElapsedClock {
public:
  uint64_t Extend(uint32_t milliseconds) {
    if (milliseconds < uint32_t(Last)) Last += uint64_t(1) << 32;
    Last = (Last & ~uint64_t(0xFFFFFFFFu)) | milliseconds;
    return Last;
  }

private:
  uint64_t Last = 0;
};
