#include "face/FontSetup.h"
#include "face/rules/FontHeight.h"
#include "settings/rules/SettingsLayout.h"
#include "settings/rules/TextCut.h"

// A fresh record holds the settings layout's defaults (Arial 37, red on
// light grey); the start-up load replaces face, height and colours with the
// stored ones or those defaults, scaled to the window's DPI. The height here
// is the 96-DPI figure, unscaled: asking the screen for its DPI would be
// start-up work that the load throws away.
static uint32_t Default(SettingId id) { return RowOf(id).DefaultNumber; }

FontSetup::FontSetup()
    : FontBold(false), FontItalic(false), TextColor(Default(SettingId::FontColor)),
      Background(Default(SettingId::BkColor)) {
  ZeroMemory(&LogFont, sizeof LogFont);
  StyleName[0] = 0;
  ZeroMemory(CustomColors, sizeof CustomColors);

  LogFont.lfHeight = static_cast<LONG>(Default(SettingId::FontSize));
  lstrcpynW(LogFont.lfFaceName, RowOf(SettingId::FontName).DefaultText, LF_FACESIZE);
  LogFont.lfCharSet = SHIFTJIS_CHARSET;
  ApplyStyleSwitches();

  ZeroMemory(&FontDialog, sizeof FontDialog);
  FontDialog.lStructSize = sizeof FontDialog;
  FontDialog.lpLogFont = &Chosen;
  // Its own list of sizes and no others: the load reads any other stored
  // size as the default.
  FontDialog.Flags =
      CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_TTONLY | CF_LIMITSIZE;
  FontDialog.nSizeMin = kSmallestFontPoints;
  FontDialog.nSizeMax = kLargestFontPoints;
  FontDialog.lpszStyle = StyleName;

  ZeroMemory(&ColorDialog, sizeof ColorDialog);
  ColorDialog.lStructSize = sizeof ColorDialog;
  ColorDialog.lpCustColors = CustomColors;
  ColorDialog.Flags = CC_RGBINIT;
}

void FontSetup::AttachWindow(HWND window, HINSTANCE instance) {
  FontDialog.hwndOwner = window;
  FontDialog.hInstance = instance;
  ColorDialog.hwndOwner = window;
  ColorDialog.hInstance = reinterpret_cast<HWND>(instance);
}

void FontSetup::SetFaceName(const wchar_t* name) {
  CopyTextCut(LogFont.lfFaceName, name ? name : L"", LF_FACESIZE - 1);
}

void FontSetup::ApplyStyleSwitches() {
  LogFont.lfWeight = FontBold ? FW_BOLD : FW_NORMAL;
  LogFont.lfItalic = FontItalic ? 1 : 0;
}

bool FontSetup::ChooseFont(LONG shownHeight) {
  Chosen = LogFont;
  Chosen.lfHeight = shownHeight;
  FontDialog.rgbColors = TextColor;
  if (!ChooseFontW(&FontDialog)) return false;
  LogFont = Chosen;
  TextColor = FontDialog.rgbColors;
  // Any weight but the normal one counts as bold.
  FontBold = Chosen.lfWeight != FW_NORMAL;
  FontItalic = Chosen.lfItalic != 0;
  return true;
}

bool FontSetup::ChooseBackground() {
  ColorDialog.rgbResult = Background;
  if (!ChooseColorW(&ColorDialog)) return false;
  Background = ColorDialog.rgbResult;
  return true;
}
