#pragma once
#include <windows.h>

// The program's single instances. One thread
// touches them all: the one that runs the message loop.
class ClockApp;
class TipWindow;
class BackgroundImage;

extern ClockApp* App;
extern TipWindow* Tip;
extern HWND TipHandle;
extern BackgroundImage* Background;

extern int ScreenWidth;
extern int ScreenHeight;
extern int CaptionHeight;

extern RECT TextRect;          // the measured time text after a font change

// Makes the single instances and the main window, with the tooltip when it
// is switched on. Nothing is shown when the window could not be made.
enum class StartResult { NoMemory, NoWindow, Running };
StartResult StartClock(HINSTANCE instance, HINSTANCE prevInstance, int showCommand);

// Deletes the single instances once the window is gone: the picture and the
// tooltip first, the application (which the others may still read) last.
void DeleteSingleInstances();
