#pragma once

// The DLLs that the program loads after start (the common dialogs, the
// common controls and the sound, linked to load on their first call) come
// from the system folder only. The exe is portable and is run from wherever
// it was unpacked, a downloads folder say: a DLL of the same name lying
// beside it must never be loaded.
//
// Called first thing at start, before anything that may load a DLL. Where
// the system can (Windows 8, or 7 with its update), the default search of
// every later load is limited to the system folder; and the loads on first
// call go through a hook that names the system folder either way.
void RestrictDllSearch();
