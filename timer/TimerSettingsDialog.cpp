#include "timer/TimerSettingsDialog.h"
#include <commdlg.h>
#include <mmsystem.h>
#include "base/FileChooser.h"
#include "base/UiLanguage.h"
#include "res/ProgramName.h"
#include "res/resource.h"
#include "settings/rules/TextCut.h"
#include "timer/AlarmBinding.h"
#include "timer/Dialogs.h"
#include "timer/rules/TimerInput.h"

constexpr int kPathUnits = kTextCapacity;

static bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

static void Check(HWND dialog, int id, bool on) {
  CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

static void ReadCountText(HWND dialog, wchar_t* text, int capacity) {
  GetDlgItemTextW(dialog, IDC_ALARM_COUNT, text, capacity);
}

// A number field as typed (the snooze's minutes, the chime's hours), when it
// lies within the range that its stored value takes.
static bool ReadStoredNumber(HWND dialog, int id, SettingId value, uint32_t* number) {
  wchar_t text[64];
  GetDlgItemTextW(dialog, id, text, 64);
  return TimerInput::ReadNumber(text, number) && RowOf(value).Accepts(*number);
}

// The fields that hold a number of a stored value's range, in the order
// OK checks them.
namespace {
struct NumberField {
  int Id;
  SettingId Value;
};
}  // namespace
constexpr NumberField kNumberFields[] = {{IDC_SNOOZE_MINUTES, SettingId::SnoozeMinutes},
                                         {IDC_CHIME_FROM, SettingId::ChimeFrom},
                                         {IDC_CHIME_TO, SettingId::ChimeTo}};
constexpr int kNumberFieldCount = int(sizeof kNumberFields / sizeof *kNumberFields);

// Reads every number field into `numbers`; false at the first that is not
// a number of its range, whose field is then in `*bad`.
static bool ReadNumberFields(HWND dialog, uint32_t numbers[kNumberFieldCount], int* bad) {
  for (int i = 0; i < kNumberFieldCount; ++i) {
    *bad = kNumberFields[i].Id;
    if (!ReadStoredNumber(dialog, kNumberFields[i].Id, kNumberFields[i].Value, &numbers[i]))
      return false;
  }
  return true;
}

// Alarm `alarm`'s toggle of weekday `day` (0 Sunday).
static int DayToggle(int alarm, int day) { return IDC_ALARM1_DAYS + 7 * alarm + day; }

// The chooser starts empty, not from the current wave file.
static void ChooseWaveFile(HWND dialog) {
  wchar_t chosen[kPathUnits];
  if (ChooseFileToOpen(dialog, IDS_WAVE_TITLE, IDS_WAVE_FILTER, OFN_READONLY, chosen, kPathUnits))
    SetDlgItemTextW(dialog, IDC_WAVE_FILE, chosen);
}

// The path as typed is played, whether it has been saved or not.
static void TestWaveFile(HWND dialog) {
  wchar_t path[kPathUnits];
  GetDlgItemTextW(dialog, IDC_WAVE_FILE, path, kPathUnits);
  sndPlaySoundW(path, SND_ASYNC);
}

static INT_PTR OnOk(HWND dialog) {
  HWND bad = ValidateTimerDialog(dialog);
  if (bad) {
    MessageBoxW(dialog, UiText(IDS_BAD_VALUE), kAppName, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(bad);
    return FALSE;
  }
  // Settings that could not be stored hold for this run all the same; the
  // command that opened the dialog says once that they were not stored.
  ReadTimerDialog(dialog);
  EndDialog(dialog, 1);
  return TRUE;
}

static INT_PTR OnCommand(HWND dialog, int id) {
  switch (id) {
    case IDOK: return OnOk(dialog);
    case IDCANCEL: EndDialog(dialog, 0); return TRUE;
    case IDC_WAVE_BROWSE: ChooseWaveFile(dialog); break;
    case IDC_WAVE_TEST: TestWaveFile(dialog); break;
    // Stops whatever sndPlaySoundW started, here or in a notification.
    case IDC_WAVE_STOP: sndPlaySoundW(nullptr, 0); break;
  }
  return FALSE;
}

// A message field holds only what can be stored: a message takes at most
// kMessageBytes bytes in the ANSI code page, which the character limit of
// the edit cannot say. What was typed or pasted beyond it is taken out.
static void KeepStorable(HWND dialog, int id) {
  if (id < IDC_ALARM1_MSG || id >= IDC_ALARM1_MSG + kDailyAlarms) return;
  HWND edit = GetDlgItem(dialog, id);
  wchar_t text[64];
  GetWindowTextW(edit, text, 64);
  if (AnsiLength(text) <= kMessageBytes) return;
  DWORD caret = 0;
  SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  unsigned at = RefuseExcess(text, caret, kMessageBytes);
  SetWindowTextW(edit, text);
  SendMessageW(edit, EM_SETSEL, at, at);
  MessageBeep(MB_OK);
}

// The record and its store that the dialog was opened with.
static const AlarmBinding& BindingOf(HWND dialog) {
  return *reinterpret_cast<const AlarmBinding*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void FillTimerDialog(HWND dialog) {
  const AlarmSettings& settings = *BindingOf(dialog).Alarms;
  CheckRadioButton(dialog, IDC_TIMER_ON, IDC_TIMER_OFF,
                   settings.OnTimer ? IDC_TIMER_ON : IDC_TIMER_OFF);
  for (int i = 0; i < kDailyAlarms; ++i) {
    AlarmEntry alarm = settings.Alarms[i];   // FormatTime writes into the entry
    Check(dialog, IDC_ALARM1_ON + i, alarm.On != 0);
    SetDlgItemTextW(dialog, IDC_ALARM1_TIME + i, alarm.FormatTime());
    SetDlgItemTextW(dialog, IDC_ALARM1_MSG + i, alarm.Msg);
    SendDlgItemMessageW(dialog, IDC_ALARM1_TIME + i, EM_LIMITTEXT, 5, 0);
    // Counted in characters, each at least a byte; KeepStorable refuses the rest.
    SendDlgItemMessageW(dialog, IDC_ALARM1_MSG + i, EM_LIMITTEXT, kMessageBytes, 0);
    for (int day = 0; day < 7; ++day) Check(dialog, DayToggle(i, day), alarm.RingsOn(day));
  }
  SetDlgItemInt(dialog, IDC_SNOOZE_MINUTES, settings.SnoozeMinutes, FALSE);
  // Shown as stored, even outside 1 to 60: OK then insists on a correction.
  SetDlgItemInt(dialog, IDC_ALARM_COUNT, settings.AlarmCount, FALSE);
  Check(dialog, IDC_AUTO_DELETE, settings.OnAutoDelete);
  Check(dialog, IDC_USE_WAVE, settings.OnUseWave);
  SetDlgItemTextW(dialog, IDC_WAVE_FILE, settings.WaveFile);
  Check(dialog, IDC_CHIME, settings.OnChime);
  SetDlgItemInt(dialog, IDC_CHIME_FROM, settings.ChimeFrom, FALSE);
  SetDlgItemInt(dialog, IDC_CHIME_TO, settings.ChimeTo, FALSE);
}

HWND ValidateTimerDialog(HWND dialog) {
  // Every alarm's time is checked, armed or not, so that no bad time is ever
  // stored. The buffer is larger than a valid time: a longer text is refused,
  // never cut down to one that passes.
  for (int i = 0; i < kDailyAlarms; ++i) {
    wchar_t time[16];
    GetDlgItemTextW(dialog, IDC_ALARM1_TIME + i, time, 16);
    if (!TimerInput::IsValidTimeText(time)) return GetDlgItem(dialog, IDC_ALARM1_TIME + i);
  }
  wchar_t count[64];
  uint32_t value = 0;
  ReadCountText(dialog, count, 64);
  if (!TimerInput::ReadCount(count, &value)) return GetDlgItem(dialog, IDC_ALARM_COUNT);
  uint32_t numbers[kNumberFieldCount];
  int bad = 0;
  if (!ReadNumberFields(dialog, numbers, &bad)) return GetDlgItem(dialog, bad);
  // A path is stored whole or not at all: cut, it would name another file.
  HWND wave = GetDlgItem(dialog, IDC_WAVE_FILE);
  wchar_t path[kPathUnits];
  if (GetWindowTextLengthW(wave) >= kPathUnits) return wave;
  GetWindowTextW(wave, path, kPathUnits);
  if (AnsiLength(path) > kPathUnits - 1) return wave;
  return nullptr;
}

bool ReadTimerDialog(HWND dialog) {
  const AlarmBinding& binding = BindingOf(dialog);
  AlarmSettings& settings = *binding.Alarms;
  // Validated before; input that is not takes nothing over.
  uint32_t numbers[kNumberFieldCount], beeps = 0;
  int bad = 0;
  wchar_t count[64];
  ReadCountText(dialog, count, 64);
  if (!ReadNumberFields(dialog, numbers, &bad) || !TimerInput::ReadCount(count, &beeps))
    return false;
  settings.SnoozeMinutes = numbers[0];
  settings.OnChime = IsChecked(dialog, IDC_CHIME);
  settings.ChimeFrom = numbers[1];
  settings.ChimeTo = numbers[2];
  settings.AlarmCount = beeps;
  settings.OnTimer = IsChecked(dialog, IDC_TIMER_ON);
  for (int i = 0; i < kDailyAlarms; ++i) {
    AlarmEntry& alarm = settings.Alarms[i];
    alarm.On = IsChecked(dialog, IDC_ALARM1_ON + i) ? 1 : 0;
    wchar_t time[6];
    GetDlgItemTextW(dialog, IDC_ALARM1_TIME + i, time, 6);
    alarm.SetTime(time);
    // Read whole; SetMessage cuts to 30 bytes without splitting a character.
    wchar_t message[64];
    GetDlgItemTextW(dialog, IDC_ALARM1_MSG + i, message, 64);
    alarm.SetMessage(message);
    uint32_t days = 0;
    for (int day = 0; day < 7; ++day)
      if (IsChecked(dialog, DayToggle(i, day))) days |= 1u << day;
    alarm.Days = days;
  }
  settings.OnAutoDelete = IsChecked(dialog, IDC_AUTO_DELETE);
  settings.OnUseWave = IsChecked(dialog, IDC_USE_WAVE);
  // The path is stored only when the user changed it: a stored one that
  // could not be read, and so shows empty, stays as it is.
  wchar_t path[kPathUnits];
  GetDlgItemTextW(dialog, IDC_WAVE_FILE, path, kPathUnits);
  const bool pathChanged = lstrcmpW(path, settings.WaveFile) != 0;
  if (pathChanged) lstrcpynW(settings.WaveFile, path, kPathUnits);
  return !binding.Store || binding.Store(pathChanged);
}

INT_PTR CALLBACK TimerSettingsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      // Opened without a record to edit, it has nothing to show.
      if (!lParam) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      FillTimerDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_CHANGE) KeepStorable(dialog, LOWORD(wParam));
      return OnCommand(dialog, LOWORD(wParam));
  }
  return FALSE;
}
