#include "app/Globals.h"

ClockApp* App = nullptr;
TipWindow* Tip = nullptr;
HWND TipHandle = nullptr;
BackgroundImage* Background = nullptr;

int ScreenWidth = 0;
int ScreenHeight = 0;
int CaptionHeight = 0;

RECT TextRect = {};
