#pragma once

// One short beep through the speaker, or the system's simple beep where
// there is no speaker to drive: an alarm's beeps and the hourly chime.
void GiveBeep();
