#pragma once

// The clock started when the user signs in: the value "Tivora" of
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run, this exe's quoted path.

// Whether that value starts this exe where it is now; an exe moved since
// the value was written is not started by it.
bool StartsWithWindows();
// Whether the stored command `stored` starts the exe at `path`, the letters
// of both compared without regard to case, as Windows compares paths.
bool IsRunCommandFor(const wchar_t* stored, const wchar_t* path);
// Writes the value for this exe, or deletes it; false when that failed.
bool SetStartWithWindows(bool on);
