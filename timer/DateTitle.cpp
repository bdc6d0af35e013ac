#include "timer/DateTitle.h"
#include "face/rules/TimeText.h"
#include "timer/TickState.h"

static char DateText[100];

const char* FormatDateText() {
  FormatDateTextOf(ClockTimeOf(Tick.TickTime), DateText);
  return DateText;
}

void UpdateCaption(HWND window) {
  char title[152];
  wsprintfA(title, "Tivora - %s", FormatDateText());
  SetWindowTextA(window, title);
  Tick.TitleDate = ClockTimeOf(Tick.TickTime);
}
