#pragma once
#include <windows.h>

// The program's single instances and the shared repaint state. One thread
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

extern UINT_PTR TimerId;       // the one-second tick; 0 while there is none
extern SYSTEMTIME TickTime;    // the local time of the last processed tick
// While set, the tick does nothing but note the time: an interaction that
// changes the window (drag, menu, dialog, restyle, notification) is running.
extern bool TickSuspended;
// The next tick redraws the whole face: a new minute began or a change asks for it.
extern bool MinuteChanged;
// A style, shape or layout change happened: the next tick redraws or re-stacks completely.
extern bool FullRedrawPending;
extern RECT TextRect;          // the measured time text after a font change

// Deletes the single instances once the window is gone: the picture and the
// tooltip first, the application (which the others may still read) last.
void DeleteSingleInstances();
