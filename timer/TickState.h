#pragma once
#include <windows.h>
#include "timer/rules/TickHolds.h"

// What the once-a-second tick keeps between ticks. One thread touches it:
// the one that runs the message loop.
struct TickState {
  UINT_PTR TimerId = 0;          // the one-second tick; 0 while there is none
  SYSTEMTIME TickTime = {};      // the local time of the last processed tick
  // The next tick redraws the whole face: a new minute began or a change asks for it.
  bool MinuteChanged = false;
  // A style, shape or layout change happened: the next tick redraws or re-stacks completely.
  // Set at start, so that the first tick draws everything.
  bool FullRedrawPending = true;
  // The interactions running now; while any holds it, the tick only notes the time.
  TickHolds Holds;

  bool Held() const { return Holds.Taken(); }
};

extern TickState Tick;
