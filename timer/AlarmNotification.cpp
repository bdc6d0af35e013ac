#include <windows.h>
#include <mmsystem.h>
#include "base/DisplayDpi.h"
#include "base/GdiScope.h"
#include "base/KernelScope.h"
#include "base/UiLanguage.h"
#include "base/rules/ClockTime.h"
#include "base/rules/DpiScale.h"
#include "base/rules/TimeText.h"
#include "res/resource.h"
#include "timer/AlarmBinding.h"
#include "timer/Beeper.h"
#include "timer/Dialogs.h"
#include "timer/TickState.h"
#include "timer/rules/NotificationPlan.h"
#include "timer/rules/WaveLength.h"

constexpr UINT_PTR kPaceTimer = 2;   // the dialog's own timers
constexpr UINT_PTR kWaveEndTimer = 3;
constexpr UINT kPacePeriod = 1000;
// The texts in 96-DPI figures: their height, and the time's top edge; the
// message begins a third of the way down.
constexpr int kTextHeight = 50;
constexpr int kTimeTop = 7;
constexpr LONG kSmallestHeight = 8;   // pixels: below it no message is read
constexpr int kLatenessHeight = 18;

// The call that the notification was opened with, which keeps its state;
// null before WM_INITDIALOG has taken it.
static AlarmCall* CallOf(HWND dialog) {
  return reinterpret_cast<AlarmCall*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

static void StopPacing(HWND dialog, AlarmCall& call) {
  if (call.PaceTimerId == 0) return;
  KillTimer(dialog, call.PaceTimerId);
  call.PaceTimerId = 0;
}

static void Silence(HWND dialog, AlarmCall& call) {
  StopPacing(dialog, call);
  if (call.Plan.UseWave) {
    KillTimer(dialog, kWaveEndTimer);   // silenced, it stays until it is closed
    sndPlaySoundW(nullptr, 0);
  }
}

static void GiveSound(const AlarmCall& call) {
  if (call.Plan.UseWave) {
    sndPlaySoundW(call.Alarms->WaveFile, SND_ASYNC);
  } else {
    GiveBeep();
  }
}

// The playing time of the sound the wave file holds, from its header and its
// size; 0 when it cannot be read.
static UINT WaveLength(const wchar_t* path) {
  unsigned char head[512];
  ReadFileScope file(path);
  DWORD got = 0;
  LARGE_INTEGER size = {};
  if (!file.IsOpen() || !GetFileSizeEx(file.get(), &size) ||
      !ReadFile(file.get(), head, sizeof head, &got, nullptr))
    return 0;
  return got > 0 ? WaveLengthMs(head, size_t(got), uint64_t(size.QuadPart)) : 0;
}

// With the wave's length known, the window that closes itself waits for its
// end; a file that cannot be read plays the system's default sound, and the
// window goes at once.
static bool CloseAfterWave(HWND dialog, const AlarmCall& call) {
  if (!call.Plan.UseWave) return false;
  UINT length = WaveLength(call.Alarms->WaveFile);
  return length > 0 && SetTimer(dialog, kWaveEndTimer, length, nullptr) != 0;
}

static INT_PTR OnInitDialog(HWND dialog, LPARAM parameter) {
  // Opened without a call, it has nothing to announce.
  if (!parameter) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  SetWindowLongPtrW(dialog, DWLP_USER, parameter);
  AlarmCall& call = *CallOf(dialog);
  const int alarm = call.Number >= 1 && call.Number <= kDailyAlarms ? call.Number : 0;
  const wchar_t* itsTime = UiText(IDS_DEFAULT_MESSAGE);
  call.Plan = call.Alarms ? NotificationPlan(alarm, *call.Alarms, itsTime) : NotificationPlan(itsTime);
  call.Lateness[0] = L'\0';
  const LatenessForms late = {UiText(IDS_LATE_HOURS_MINUTES), UiText(IDS_LATE_HOURS),
                              UiText(IDS_LATE_MINUTES)};
  if (alarm > 0 && Tick.Announced.Number == alarm)
    FormatLateness(Tick.AnnouncedLate, late, call.Lateness, ARRAYSIZE(call.Lateness));
  call.InSound = false;
  SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
  // The first sound comes with the first timer message, a second from now.
  call.PaceTimerId = SetTimer(dialog, kPaceTimer, kPacePeriod, nullptr);
  return TRUE;
}

static INT_PTR OnTimer(HWND dialog, AlarmCall& call, WPARAM id) {
  if (id == kWaveEndTimer) {
    EndDialog(dialog, 1);
    return TRUE;
  }
  // A silenced notification has no timer; a stray message must not wake it.
  if (call.PaceTimerId == 0 || id != call.PaceTimerId || call.InSound) return FALSE;
  call.InSound = true;
  GiveSound(call);
  NotificationPlan::After next = call.Plan.SoundGiven();
  if (next != NotificationPlan::After::KeepSounding) StopPacing(dialog, call);
  call.InSound = false;
  if (next == NotificationPlan::After::Close && !CloseAfterWave(dialog, call)) {
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

static bool MessageFits(HDC dc, HFONT font, const wchar_t* message, const RECT& box) {
  Selection use(dc, font);
  RECT need = box;
  DrawTextW(dc, message, -1, &need, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
  return need.right - need.left <= box.right - box.left && need.bottom <= box.bottom;
}

// The message shows whole: when the selected font breaks it into more lines
// than the box holds, or a word is wider than the box, a smaller one of the
// same face. Null when the selected font does.
static HFONT FontToFit(HDC dc, LOGFONTW logFont, const wchar_t* message, const RECT& box) {
  HFONT font = nullptr;
  while (!MessageFits(dc, font, message, box) && logFont.lfHeight > kSmallestHeight) {
    if (font) DeleteObject(font);
    logFont.lfHeight = logFont.lfHeight * 7 / 8;
    font = CreateFontIndirectW(&logFont);
    if (!font) break;
  }
  return font;
}

// The bottom edge of the スヌーズ button in the client area: the message
// begins below it, which stands where a long message would wrap.
static LONG BelowSnooze(HWND dialog) {
  RECT button;
  HWND snooze = GetDlgItem(dialog, IDC_SNOOZE);
  if (!snooze || !GetWindowRect(snooze, &button)) return 0;
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
  return button.bottom;
}

static void OnPaint(HWND dialog, const AlarmCall& call) {
  PaintScope paint(dialog);
  HDC dc = paint.dc();
  SetBkMode(dc, TRANSPARENT);
  const DpiScale scale(WindowDpi(dialog));
  LOGFONTW logFont = {};
  lstrcpynW(logFont.lfFaceName, UiText(IDS_NOTICE_FONT), LF_FACESIZE);
  logFont.lfCharSet = UiCharset();
  logFont.lfHeight = scale.ToPixels(kTextHeight);
  // Without the font the texts still appear, in the dialog's own.
  GdiObject<HFONT> font(CreateFontIndirectW(&logFont));
  Selection useFont(dc, font.get());
  SetTextColor(dc, RGB(255, 0, 0));
  RECT client;
  GetClientRect(dialog, &client);

  // The alarm's own time, however late it is announced; the tick's time
  // for a notification that no tick announced.
  ClockTime shown;
  const bool announced = Tick.Announced.Number != 0;
  shown.Hour = announced ? Tick.Announced.Hour : Tick.TickTime.wHour;
  shown.Minute = announced ? Tick.Announced.Minute : Tick.TickTime.wMinute;
  wchar_t time[kClockTextUnits];
  size_t length = FormatClockText(shown, false, time);
  TextOutW(dc, client.right / 6, scale.ToPixels(kTimeTop), time, int(length));
  client.top = client.bottom / 3;
  const LONG belowSnooze = BelowSnooze(dialog);
  if (client.top < belowSnooze) client.top = belowSnooze;
  if (call.Lateness[0]) {
    // The lateness on the bottom line, in smaller letters; the message above it.
    LOGFONTW smallFont = logFont;
    smallFont.lfHeight = scale.ToPixels(kLatenessHeight);
    GdiObject<HFONT> small(CreateFontIndirectW(&smallFont));
    Selection useSmall(dc, small.get());
    DrawTextW(dc, call.Lateness, -1, &client, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    client.bottom -= scale.ToPixels(kLatenessHeight);
  }
  GdiObject<HFONT> fitted(FontToFit(dc, logFont, call.Plan.Message, client));
  Selection useFitted(dc, fitted.get());
  DrawTextW(dc, call.Plan.Message, -1, &client, DT_CENTER | DT_WORDBREAK);
}

// OK, Esc, the close box and スヌーズ end the notification; スヌーズ asks
// for the same alarm again, its snooze minutes after the press.
static INT_PTR OnCommand(HWND dialog, AlarmCall& call, WORD id) {
  if (id != IDOK && id != IDCANCEL && id != IDC_SNOOZE) return FALSE;
  Silence(dialog, call);
  if (id == IDC_SNOOZE && call.Alarms)
    Tick.Watch.Snooze(call.Number, Tick.ElapsedNow(), call.Alarms->SnoozeMinutes);
  EndDialog(dialog, 1);
  return TRUE;
}

INT_PTR CALLBACK AlarmNotification(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog(dialog, lParam);
  AlarmCall* call = CallOf(dialog);
  if (!call) return FALSE;
  switch (message) {
    case WM_PAINT: OnPaint(dialog, *call); return FALSE;
    case WM_TIMER: return OnTimer(dialog, *call, wParam);
    case WM_COMMAND: return OnCommand(dialog, *call, LOWORD(wParam));
    // A click into the window silences it; it stays until it is closed.
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: Silence(dialog, *call); return FALSE;
  }
  return FALSE;
}
