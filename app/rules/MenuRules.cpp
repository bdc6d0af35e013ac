#include "app/rules/MenuRules.h"
#include "res/resource.h"

constexpr uint16_t kSeparator = 0;

// Each item's text has its command's id; the background row's changes with
// the picture switch.
constexpr uint16_t kRows[MenuRules::kRowCount] = {
    IDM_FONT, IDM_BACKGROUND, IDM_USEBITMAP, kSeparator,
    IDM_CAPTION, IDM_BORDER, IDM_SECOND, IDM_HOUR12, IDM_ONTOP, IDM_TRANSPARENT, kSeparator,
    IDM_ANALOG, kSeparator,
    IDM_TIMER, IDM_ABOUT, IDM_TOOLTIP, IDM_STARTUP, kSeparator,
    IDM_EXIT,
};

MenuRow MenuRules::Row(int index) const {
  if (index < 0 || index >= kRowCount || kRows[index] == kSeparator) return {0, 0, false, false};
  const uint16_t id = kRows[index];
  const uint16_t text = id == IDM_BACKGROUND && Flags.Has(OnBitmap) ? IDS_PICTURE_MENU : id;
  return {text, id, Checked(id), Grey(id)};
}

bool MenuRules::Checked(uint16_t id) const {
  if (id == IDM_TOOLTIP) return OnToolTip;
  if (id == IDM_STARTUP) return StartsWithWindows;
  for (const DisplayFlagRow& row : kDisplayFlagRows)
    if (row.MenuId == id) return Flags.Has(row.Bit);
  return false;
}

bool MenuRules::Grey(uint16_t id) const {
  const bool transparent = Flags.Has(OnTransparent);
  const bool analog = Flags.Has(OnAnalog);
  const bool transparentDigital = transparent && !analog;
  switch (id) {
    case IDM_FONT: return analog;
    case IDM_BACKGROUND: return transparentDigital;
    case IDM_BORDER: return transparent && analog;
    // Seconds can be switched off on a transparent digital clock, never on.
    case IDM_SECOND: return transparentDigital && !Flags.Has(OnSecond);
    case IDM_ONTOP: return transparentDigital;
    case IDM_TRANSPARENT:
      return (Flags.Has(OnCaption) && analog) || (Flags.Has(OnSecond) && !transparent && !analog);
    default: return false;
  }
}
