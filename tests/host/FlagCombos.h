#pragma once
// What the tests hold the display options and their menu against: every
// combination of the options, the rules that keep the display showable, the
// rows that switch them and the menu as the user sees it.
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>
#include "app/rules/SwitchRules.h"
#include "face/rules/DisplayFlags.h"
#include "res/resource.h"

// The display options of the given bits.
inline DisplayFlags FlagsOf(uint32_t bits) {
  DisplayFlags f;
  f.Bits = bits;
  return f;
}

// Every combination of the display options.
inline std::vector<DisplayFlags> AllFlagCombinations() {
  constexpr size_t kOptions = std::size(kDisplayFlagRows);
  std::vector<DisplayFlags> all;
  for (uint32_t n = 0; n < (1u << kOptions); ++n) {
    DisplayFlags f;
    for (size_t i = 0; i < kOptions; ++i)
      if (n & (1u << i)) f.Bits |= kDisplayFlagRows[i].Bit;
    all.push_back(f);
  }
  return all;
}

// A readable name of a combination for failure messages.
inline std::string Describe(DisplayFlags f) {
  std::string s;
  for (const DisplayFlagRow& row : kDisplayFlagRows)
    if (f.Has(row.Bit)) s += std::string(s.empty() ? "" : "+") + row.ValueName;
  return s.empty() ? "none" : s;
}

// The rules that keep the display showable, each with the menu row whose
// greying keeps it (0: the switch itself refuses what would break it).
struct DisplayRule {
  const char* Name;
  bool (*Broken)(DisplayFlags);
  uint16_t GreyedRow;
};
constexpr DisplayRule kDisplayRules[] = {
    {"the digits over the desktop live at the bottom, never on top",
     [](DisplayFlags f) { return f.IsTransparentDigital() && f.Has(OnTop); }, IDM_ONTOP},
    {"the digits over the desktop take on no seconds",
     [](DisplayFlags f) { return f.IsTransparentDigital() && f.Has(OnSecond); }, 0},
    {"a transparent analog clock is round, without a border",
     [](DisplayFlags f) { return f.Has(OnTransparent | OnAnalog | OnBorder); }, IDM_BORDER},
    {"an analog clock with a caption is rectangular, never transparent",
     [](DisplayFlags f) { return f.Has(OnTransparent | OnAnalog | OnCaption); }, IDM_TRANSPARENT},
};

// The combinations that the menu can lead to: the states the greying protects.
inline bool Consistent(DisplayFlags f) {
  for (const DisplayRule& rule : kDisplayRules)
    if (rule.Broken(f)) return false;
  return true;
}

// True when `after` breaks a rule that `before` kept.
inline bool BreaksARule(DisplayFlags before, DisplayFlags after) {
  for (const DisplayRule& rule : kDisplayRules)
    if (rule.Broken(after) && !rule.Broken(before)) return true;
  return false;
}

// The menu rows that switch an option, with the switch each one takes.
struct MenuSwitch {
  uint16_t Id;
  DisplaySwitch Switch;
};
constexpr MenuSwitch kMenuSwitches[] = {
    {IDM_CAPTION, DisplaySwitch::Caption}, {IDM_BORDER, DisplaySwitch::Border},
    {IDM_SECOND, DisplaySwitch::Seconds},  {IDM_ONTOP, DisplaySwitch::OnTop},
    {IDM_TRANSPARENT, DisplaySwitch::Transparent}, {IDM_ANALOG, DisplaySwitch::Analog},
    {IDM_USEBITMAP, DisplaySwitch::Bitmap}, {IDM_HOUR12, DisplaySwitch::Hour12}};

// The pop-up menu's texts as the user reads them with the default options,
// top to bottom (null for a separator): the program's own words.
constexpr const wchar_t* kDefaultMenu[] = {
    L"ﾌｫﾝﾄ(&F)...", L"背景色(&K)...", L"背景に絵を使用(&P)", nullptr,
    L"ｷｬﾌﾟｼｮﾝ表示(&C)", L"枠(&B)", L"秒の表示(&S)", L"12時間表示(&H)", L"常に手前表示(&T)",
    L"透明表示(&I)", nullptr, L"ｱﾅﾛｸﾞ表示(&G)", nullptr,
    L"ﾀｲﾏの設定(&R)...", L"ﾊﾞｰｼﾞｮﾝ情報(&A)...", L"ﾂｰﾙﾁｯﾌﾟ表示(&O)",
    L"Windows 起動時に開始(&W)", nullptr, L"終了(&X)"};
