#include "app/Globals.h"
#include "app/ClockApp.h"
#include "face/BackgroundImage.h"
#include "timer/TipWindow.h"

ClockApp* App = nullptr;
TipWindow* Tip = nullptr;
HWND TipHandle = nullptr;
BackgroundImage* Background = nullptr;

int ScreenWidth = 0;
int ScreenHeight = 0;
int CaptionHeight = 0;

RECT TextRect = {};

void DeleteSingleInstances() {
  delete Background;
  Background = nullptr;
  delete Tip;
  Tip = nullptr;
  delete App;
  App = nullptr;
}
