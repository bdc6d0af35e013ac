#include "app/rules/MenuRules.h"
#include "res/resource.h"

namespace {

struct RowText {
  const wchar_t* Text;
  uint16_t Id;
};

}  // namespace

constexpr RowText kSeparator = {nullptr, 0};

// The background row changes its text with the picture switch; its entry
// here is the colour text.
constexpr RowText kRows[MenuRules::kRowCount] = {
    {L"ﾌｫﾝﾄ(&F)...", IDM_FONT},
    {L"背景色(&K)...", IDM_BACKGROUND},
    {L"背景に絵を使用(&P)", IDM_USEBITMAP},
    kSeparator,
    {L"ｷｬﾌﾟｼｮﾝ表示(&C)", IDM_CAPTION},
    {L"枠(&B)", IDM_BORDER},
    {L"秒の表示(&S)", IDM_SECOND},
    {L"12時間表示(&H)", IDM_HOUR12},
    {L"常に手前表示(&T)", IDM_ONTOP},
    {L"透明表示(&I)", IDM_TRANSPARENT},
    kSeparator,
    {L"ｱﾅﾛｸﾞ表示(&G)", IDM_ANALOG},
    kSeparator,
    {L"ﾀｲﾏの設定(&R)...", IDM_TIMER},
    {L"ﾊﾞｰｼﾞｮﾝ情報(&A)...", IDM_ABOUT},
    {L"ﾂｰﾙﾁｯﾌﾟ表示(&O)", IDM_TOOLTIP},
    {L"Windows 起動時に開始(&W)", IDM_STARTUP},
    kSeparator,
    {L"終了(&X)", IDM_EXIT},
};

constexpr wchar_t kPictureText[] = L"背景絵(&K)...";

MenuRow MenuRules::Row(int index) const {
  if (index < 0 || index >= kRowCount) return {nullptr, 0, false, false};
  RowText row = kRows[index];
  if (row.Text == nullptr) return {nullptr, 0, false, false};
  const wchar_t* text = row.Id == IDM_BACKGROUND && Flags.Has(OnBitmap) ? kPictureText : row.Text;
  return {text, row.Id, Checked(row.Id), Grey(row.Id)};
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
