#include "timer/TimerSettingsDialog.h"
#include <commdlg.h>
#include <mmsystem.h>
#include "res/ProgramName.h"
#include "res/resource.h"
#include "timer/AlarmBinding.h"
#include "timer/Dialogs.h"
#include "timer/rules/TimerInput.h"

constexpr int kPathBytes = 260;

// The wave chooser's record and buffers live as long as the program, so the
// record never points at storage that has gone.
static OPENFILENAMEA WaveChooser;
static char WaveFilter[64];
static char WaveChosen[kPathBytes];

static bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

static void Check(HWND dialog, int id, bool on) {
  CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

static void ReadCountText(HWND dialog, char* text, int capacity) {
  GetDlgItemTextA(dialog, IDC_ALARM_COUNT, text, capacity);
}

static void ChooseWaveFile(HWND dialog) {
  // The filter holds no double-byte character whose second byte is '|'.
  lstrcpynA(WaveFilter, "wav file(*.wav)|*.wav|すべてのﾌｧｲﾙ(*.*)|*.*|", sizeof WaveFilter);
  ReplaceSeparators(WaveFilter, '|');
  // The chooser starts empty, not from the current wave file.
  WaveChosen[0] = '\0';
  // The size of the record as Windows 95 knew it: every system accepts it.
  WaveChooser.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  WaveChooser.hwndOwner = dialog;
  WaveChooser.lpstrFilter = WaveFilter;
  WaveChooser.lpstrCustomFilter = nullptr;
  WaveChooser.nMaxCustFilter = 40;
  WaveChooser.nFilterIndex = 0;
  WaveChooser.lpstrFile = WaveChosen;
  WaveChooser.nMaxFile = kPathBytes;
  WaveChooser.lpstrInitialDir = nullptr;
  WaveChooser.lpstrTitle = "wavの選択";
  WaveChooser.Flags = OFN_READONLY | OFN_FILEMUSTEXIST;
  if (GetOpenFileNameA(&WaveChooser)) SetDlgItemTextA(dialog, IDC_WAVE_FILE, WaveChosen);
}

// The path as typed is played, whether it has been saved or not.
static void TestWaveFile(HWND dialog) {
  char path[kPathBytes];
  GetDlgItemTextA(dialog, IDC_WAVE_FILE, path, sizeof path);
  sndPlaySoundA(path, SND_ASYNC);
}

static INT_PTR OnOk(HWND dialog) {
  HWND bad = ValidateTimerDialog(dialog);
  if (bad) {
    MessageBoxA(dialog, "ﾃﾞｰﾀ値が不正です", kAppName, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(bad);
    return FALSE;
  }
  // Nothing may look saved that is not: the dialog stays, with the input.
  if (!ReadTimerDialog(dialog)) {
    MessageBoxA(dialog, "設定を保存できませんでした", kAppName, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  EndDialog(dialog, 1);
  return TRUE;
}

static INT_PTR OnCommand(HWND dialog, int id) {
  switch (id) {
    case IDOK: return OnOk(dialog);
    case IDCANCEL: EndDialog(dialog, 0); return TRUE;
    case IDC_WAVE_BROWSE: ChooseWaveFile(dialog); break;
    case IDC_WAVE_TEST: TestWaveFile(dialog); break;
    // Stops whatever sndPlaySoundA started, here or in a notification.
    case IDC_WAVE_STOP: sndPlaySoundA(nullptr, 0); break;
  }
  return FALSE;
}

void ReplaceSeparators(char* text, char character) {
  int length = lstrlenA(text);
  for (int i = 0; i <= length; ++i)
    if (text[i] == character) text[i] = '\0';
}

void FillTimerDialog(HWND dialog) {
  const AlarmSettings& settings = *BoundAlarms.Alarms;
  CheckRadioButton(dialog, IDC_TIMER_ON, IDC_TIMER_OFF,
                   settings.OnTimer ? IDC_TIMER_ON : IDC_TIMER_OFF);
  for (int i = 0; i < kAlarmCount; ++i) {
    AlarmEntry alarm = settings.Alarms[i];   // FormatTime writes into the entry
    Check(dialog, IDC_ALARM1_ON + i, alarm.On != 0);
    SetDlgItemTextA(dialog, IDC_ALARM1_TIME + i, alarm.FormatTime());
    SetDlgItemTextA(dialog, IDC_ALARM1_MSG + i, alarm.Msg);
    SendDlgItemMessageA(dialog, IDC_ALARM1_TIME + i, EM_LIMITTEXT, 5, 0);
    SendDlgItemMessageA(dialog, IDC_ALARM1_MSG + i, EM_LIMITTEXT, kMessageBytes, 0);
  }
  // Shown as stored, even outside 1 to 60: OK then insists on a correction.
  SetDlgItemInt(dialog, IDC_ALARM_COUNT, settings.AlarmCount, FALSE);
  Check(dialog, IDC_AUTO_DELETE, settings.OnAutoDelete);
  Check(dialog, IDC_USE_WAVE, settings.OnUseWave);
  SetDlgItemTextA(dialog, IDC_WAVE_FILE, settings.WaveFile);
}

HWND ValidateTimerDialog(HWND dialog) {
  // Every alarm's time is checked, armed or not, so that no bad time is ever
  // stored. The buffer is larger than a valid time: a longer text is refused,
  // never cut down to one that passes.
  for (int i = 0; i < kAlarmCount; ++i) {
    char time[16];
    GetDlgItemTextA(dialog, IDC_ALARM1_TIME + i, time, sizeof time);
    if (!TimerInput::IsValidTimeText(time)) return GetDlgItem(dialog, IDC_ALARM1_TIME + i);
  }
  char count[64];
  uint32_t value = 0;
  ReadCountText(dialog, count, sizeof count);
  if (!TimerInput::ReadCount(count, &value)) return GetDlgItem(dialog, IDC_ALARM_COUNT);
  return nullptr;
}

bool ReadTimerDialog(HWND dialog) {
  AlarmSettings& settings = *BoundAlarms.Alarms;
  const AlarmSettings kept = settings;
  settings.OnTimer = IsChecked(dialog, IDC_TIMER_ON);
  for (int i = 0; i < kAlarmCount; ++i) {
    AlarmEntry& alarm = settings.Alarms[i];
    alarm.On = IsChecked(dialog, IDC_ALARM1_ON + i) ? 1 : 0;
    char time[6];
    GetDlgItemTextA(dialog, IDC_ALARM1_TIME + i, time, sizeof time);
    alarm.SetTime(time);
    // Read whole; SetMessage cuts to 30 bytes without splitting a character.
    char message[64];
    GetDlgItemTextA(dialog, IDC_ALARM1_MSG + i, message, sizeof message);
    alarm.SetMessage(message);
  }
  char count[64];
  ReadCountText(dialog, count, sizeof count);
  TimerInput::ReadCount(count, &settings.AlarmCount);
  settings.OnAutoDelete = IsChecked(dialog, IDC_AUTO_DELETE);
  settings.OnUseWave = IsChecked(dialog, IDC_USE_WAVE);
  GetDlgItemTextA(dialog, IDC_WAVE_FILE, settings.WaveFile, sizeof settings.WaveFile);
  if (!BoundAlarms.Store || BoundAlarms.Store()) return true;
  settings = kept;
  return false;
}

INT_PTR CALLBACK TimerSettingsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: FillTimerDialog(dialog); return TRUE;
    case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
  }
  return FALSE;
}
