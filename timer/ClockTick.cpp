// Placeholder until the tick is built.
#include "timer/ClockTick.h"
#include "app/Globals.h"
#include "timer/rules/TimeText.h"
#include "app/ClockApp.h"
static char DateText[100];
void ClockTick(HWND hwnd) {
  GetLocalTime(&TickTime);
  InvalidateRect(hwnd, nullptr, TRUE);
}
int FindDueAlarm() { return 0; }
const char* FormatDateText() {
  ClockTime t;
  CopyMemory(&t, &TickTime, sizeof t);
  FormatDateTextOf(t, DateText);
  return DateText;
}
void UpdateCaption(HWND hwnd) {
  char title[152];
  wsprintfA(title, "%s - %s", kAppName, FormatDateText());
  SetWindowTextA(hwnd, title);
}
void OpenAlarmNotification(HWND, int) {}
