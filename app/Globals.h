#pragma once
#include <windows.h>

// The program's single instances. One thread
// touches them all: the one that runs the message loop.
class ClockApp;
class TipWindow;
class BackgroundImage;

extern ClockApp* App;
extern TipWindow* Tip;
extern BackgroundImage* Background;

extern int ScreenWidth;
extern int ScreenHeight;
extern int CaptionHeight;

extern RECT TextRect;          // the measured time text after a font change
