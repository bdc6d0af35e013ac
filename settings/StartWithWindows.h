#pragma once

// The clock started when the user signs in: the value "Tivora" of
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run, this exe's quoted path.

// Whether that value starts this exe where it is now; an exe moved since
// the value was written is not started by it.
bool StartsWithWindows();
// Writes the value for this exe, or deletes it; false when that failed.
bool SetStartWithWindows(bool on);
