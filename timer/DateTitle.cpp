#include "timer/DateTitle.h"
#include "base/rules/TimeText.h"
#include "res/ProgramName.h"
#include "timer/TickState.h"

static wchar_t DateText[100];

const wchar_t* FormatDateText() {
  FormatDateTextOf(ClockTimeOf(Tick.TickTime), DateText);
  return DateText;
}

void UpdateCaption(HWND window) {
  wchar_t title[152];
  wsprintfW(title, L"%s - %s", kAppName, FormatDateText());
  SetWindowTextW(window, title);
  Tick.TitleDate = ClockTimeOf(Tick.TickTime);
}
