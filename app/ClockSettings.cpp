#include "app/ClockSettings.h"
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "app/rules/WindowLayout.h"
#include "base/DisplayDpi.h"
#include "base/UiLanguage.h"
#include "base/rules/DpiScale.h"
#include "face/rules/FontHeight.h"
#include "res/ProgramName.h"
#include "res/resource.h"
#include "settings/SettingsStore.h"

static void CopyText(wchar_t* to, const wchar_t* from) {
  lstrcpynW(to, from, kTextCapacity);
}

static uint32_t Bit(bool b) { return b ? 1u : 0u; }

// The window's place in pixels as the 96-DPI figures that the registry keeps.
static void StorePlacement(StoredSettings& s, Placement pixels) {
  const Placement p = PlacementAsStored(pixels, WindowDpi(nullptr), App->Dpi);
  s.Left = uint32_t(p.Left);
  s.Top = uint32_t(p.Top);
  s.Width = uint32_t(p.Width);
  s.Height = uint32_t(p.Height);
}

// The stored switch of a display flag, found by the value name the flag's
// row gives; every flag has one (the host tests check the two tables).
static const SettingRow& SwitchOf(const DisplayFlagRow& row) { return *FindSetting(row.ValueName); }

// The registry's record of every value, some 8 KB: one for the program, off
// the stack, where a frame that large would have its pages probed one by one.
static StoredSettings Record;

// The values that App holds now, in the layout of the registry.
static const StoredSettings& Capture() {
  StoredSettings& s = Record;
  SetDefaults(s);
  const ClockApp& a = *App;
  const DisplayFlags f = a.Flags;
  StorePlacement(s, {a.Left, a.Top, a.Width, a.Height});
  for (const DisplayFlagRow& row : kDisplayFlagRows) SwitchOf(row).NumberIn(s) = Bit(f.Has(row.Bit));
  CopyText(s.FontName, a.Font.LogFont.lfFaceName);
  // Stored as the 96-DPI figure, so that it means the same at every scale,
  // and as the pixels chosen, so that it comes back exactly on this display.
  const StoredFontHeight height = StoreFontHeight(a.Font.LogFont.lfHeight, a.Dpi);
  s.FontSize = uint32_t(height.Figure);
  s.FontHeight = uint32_t(height.Pixels);
  s.FontDpi = uint32_t(height.Dpi);
  s.FontColor = a.Font.FontColor();
  s.FontBold = Bit(a.Font.FontBold);
  s.FontItalic = Bit(a.Font.FontItalic);
  s.BkColor = a.Font.BkColor();
  s.OnToolTip = Bit(a.OnToolTip);
  CopyText(s.Bitmap, a.Bitmap);

  AlarmSettings al = a.Alarms;   // FormatTime writes into the entry
  s.OnTimer = Bit(al.OnTimer);
  s.OnAutoDelete = Bit(al.OnAutoDelete);
  s.AlarmCount = al.AlarmCount;
  for (int n = 1; n <= kDailyAlarms; ++n) {
    AlarmEntry& alarm = al.Alarms[n - 1];
    RowOf(AlarmOnId(n)).NumberIn(s) = Bit(alarm.On != 0);
    CopyText(RowOf(AlarmTimeId(n)).TextIn(s), alarm.FormatTime());
    CopyText(RowOf(AlarmMessageId(n)).TextIn(s), alarm.Msg);
    RowOf(AlarmDaysId(n)).NumberIn(s) = alarm.Days;
  }
  s.SnoozeMinutes = al.SnoozeMinutes;
  s.OnChime = Bit(al.OnChime);
  s.ChimeFrom = al.ChimeFrom;
  s.ChimeTo = al.ChimeTo;
  s.OnUseWave = Bit(al.OnUseWave);
  CopyText(s.WaveFile, al.WaveFile);
  return s;
}

static void Apply(const StoredSettings& s) {
  ClockApp& a = *App;
  // Until the window exists its DPI is taken to be the system's.
  const Placement p = PlacementInPixels(
      {int32_t(s.Left), int32_t(s.Top), int32_t(s.Width), int32_t(s.Height)}, a.Dpi, a.Dpi);
  a.Left = p.Left;
  a.Top = p.Top;
  a.Width = p.Width;
  a.Height = p.Height;
  for (const DisplayFlagRow& row : kDisplayFlagRows) a.Flags.SetFlag(row.Bit, SwitchOf(row).NumberIn(s) != 0);
  a.Font.SetFaceName(s.FontName);
  a.Font.LogFont.lfHeight = LONG(LoadFontHeight(
      {int32_t(s.FontSize), int32_t(s.FontHeight), int32_t(s.FontDpi)}, a.Dpi));
  a.Font.SetFontColor(s.FontColor);
  a.Font.FontBold = s.FontBold != 0;
  a.Font.FontItalic = s.FontItalic != 0;
  a.Font.ApplyStyleSwitches();
  a.Font.SetBkColor(s.BkColor);
  a.OnToolTip = s.OnToolTip != 0;
  lstrcpynW(a.Bitmap, s.Bitmap, kTextCapacity);

  AlarmSettings& al = a.Alarms;
  al.OnTimer = s.OnTimer != 0;
  al.OnAutoDelete = s.OnAutoDelete != 0;
  al.AlarmCount = s.AlarmCount;
  for (int n = 1; n <= kDailyAlarms; ++n) {
    AlarmEntry& alarm = al.Alarms[n - 1];
    // The switch first: an invalid time then leaves the alarm off.
    alarm.On = RowOf(AlarmOnId(n)).NumberIn(s) != 0 ? 1 : 0;
    alarm.SetTime(RowOf(AlarmTimeId(n)).TextIn(s));
    alarm.SetMessage(RowOf(AlarmMessageId(n)).TextIn(s));
    alarm.SetDays(RowOf(AlarmDaysId(n)).NumberIn(s));
  }
  al.SetSnoozeMinutes(s.SnoozeMinutes);
  al.OnChime = s.OnChime != 0;
  al.ChimeFrom = s.ChimeFrom;   // read within 0 to 23
  al.ChimeTo = s.ChimeTo;
  al.OnUseWave = s.OnUseWave != 0;
  lstrcpynW(al.WaveFile, s.WaveFile, kTextCapacity);
}

void LoadSettings() {
  SetDefaults(Record);
  ReadStoredSettings(Record);
  Apply(Record);
}

// A change that the registry refused, not yet reported.
static bool Unsaved = false;

static bool Noted(bool saved) {
  if (!saved) Unsaved = true;
  return saved;
}

bool SaveWindowPlacement(HWND window) {
  RECT r;
  if (IsIconic(window)) return true;
  if (!GetWindowRect(window, &r)) return Noted(false);
  int width = r.right - r.left;
  int height = r.bottom - r.top;
  if (r.left == App->Left && r.top == App->Top && width == App->Width && height == App->Height)
    return true;
  StoredSettings& s = Record;
  StorePlacement(s, {r.left, r.top, width, height});
  return Noted(WriteStoredGroup(SaveGroup::Placement, s));
}

void ReportUnsaved(HWND owner) {
  if (!Unsaved) return;
  Unsaved = false;
  MessageBoxW(owner, UiText(IDS_SAVE_FAILED), kAppName, MB_OK | MB_ICONEXCLAMATION);
}

bool SaveDisplaySwitch(const char* name, bool on) {
  const SettingRow* row = name ? FindSetting(name) : nullptr;
  if (!row || row->Kind != ValueKind::Switch || row->Where != Subkey::Settings) return Noted(false);
  StoredSettings& s = Record;
  row->NumberIn(s) = Bit(on);
  return Noted(WriteStoredValues(&row->Id, 1, s));
}

static bool SaveOne(SettingId id) { return Noted(WriteStoredValues(&id, 1, Capture())); }

bool SaveFontSettings() { return Noted(WriteStoredGroup(SaveGroup::Font, Capture())); }
bool SaveBkColor() { return SaveOne(SettingId::BkColor); }
bool SaveBitmapPath() { return SaveOne(SettingId::Bitmap); }
bool SaveToolTipSwitch() { return SaveOne(SettingId::OnToolTip); }
bool SaveTimerSettings(bool withPath) {
  const StoredSettings& s = Capture();
  SettingId ids[size_t(SettingId::Count)];
  size_t count = 0;
  const size_t all = GroupIds(SaveGroup::Timer, ids);
  for (size_t i = 0; i < all; ++i)
    if (withPath || ids[i] != SettingId::WaveFile) ids[count++] = ids[i];
  const bool timer = WriteStoredValues(ids, count, s);
  // The groups that older forms do not know come after the ones they do.
  const bool week = WriteStoredGroup(SaveGroup::Week, s);
  return Noted(WriteStoredGroup(SaveGroup::Chime, s) && week && timer);
}
