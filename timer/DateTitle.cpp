#include "timer/DateTitle.h"
#include "face/rules/TimeText.h"
#include "res/ProgramName.h"
#include "timer/TickState.h"

static char DateText[100];

const char* FormatDateText() {
  FormatDateTextOf(ClockTimeOf(Tick.TickTime), DateText);
  return DateText;
}

void UpdateCaption(HWND window) {
  char title[152];
  wsprintfA(title, "%s - %s", kAppName, FormatDateText());
  SetWindowTextA(window, title);
  Tick.TitleDate = ClockTimeOf(Tick.TickTime);
}
