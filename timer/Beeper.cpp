#include "timer/Beeper.h"
#include <windows.h>

constexpr DWORD kBeepHz = 900;
constexpr DWORD kBeepMs = 600;

void GiveBeep() {
  if (!Beep(kBeepHz, kBeepMs)) MessageBeep(0xFFFFFFFF);
}
