#include "app/Globals.h"

ClockApp* App = nullptr;
TipWindow* Tip = nullptr;
BackgroundImage* Background = nullptr;

int ScreenWidth = 0;
int ScreenHeight = 0;
int CaptionHeight = 0;

RECT TextRect = {};
