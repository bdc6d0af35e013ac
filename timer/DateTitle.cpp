#include "timer/DateTitle.h"
#include "base/UiLanguage.h"
#include "res/ProgramName.h"
#include "res/resource.h"
#include "timer/TickState.h"

static wchar_t DateText[100];

// The date as the program's language writes it: its own form where it has
// one ("2002年3月15日(金)", with that language's names of the days), the
// user's long date otherwise, and where the system cannot give that form.
const wchar_t* FormatDateText() {
  const wchar_t* form = UiText(IDS_DATE_FORM);
  const LCID language = MAKELCID(UiLanguageId(), SORT_DEFAULT);
  if (!*form || !GetDateFormatW(language, 0, &Tick.TickTime, form, DateText, ARRAYSIZE(DateText)))
    if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &Tick.TickTime, nullptr, DateText,
                        ARRAYSIZE(DateText)))
      DateText[0] = 0;
  return DateText;
}

void UpdateCaption(HWND window) {
  wchar_t title[152];
  wsprintfW(title, L"%s - %s", kAppName, FormatDateText());
  SetWindowTextW(window, title);
  Tick.TitleDate = ClockTimeOf(Tick.TickTime);
}
