#pragma once
#include <windows.h>

// One clock per user session: a second start would ring every alarm twice
// and, saving whole groups from its own memory, undo the other's changes.
// The first clock holds a named object of the session; a later start finds
// it, calls the running clock forward and ends.

// The object's name, in the session's own namespace.
extern const wchar_t kSessionClaimName[];

// The message that a later start posts to the running clock's window: show
// yourself.
constexpr UINT WM_CLOCK_CALLED = WM_APP + 1;

// True when no other clock runs in this session; the claim then lasts as
// long as the process. A claim that cannot be made at all lets the clock run.
bool ClaimSession();

// Asks the clock that holds the claim to show itself.
void CallRunningClock();
