#pragma once
#include <windows.h>

// Makes the single instances and the main window, with the tooltip when it
// is switched on. Nothing is shown when the window could not be made.
enum class StartResult { NoMemory, NoWindow, Running };
StartResult StartClock(HINSTANCE instance, HINSTANCE prevInstance, int showCommand);

// Deletes the single instances once the window is gone: the picture and the
// tooltip first, the application (which the others may still read) last.
void DeleteSingleInstances();
