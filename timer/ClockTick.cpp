#include "timer/ClockTick.h"
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "app/MainWindow.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "timer/Dialogs.h"
#include "timer/rules/TickRules.h"
#include "timer/rules/TimeText.h"

static char DateText[100];
// The date that the title shows: the title is renewed as soon as a processed
// tick has another date, whether midnight passed, the machine slept over it
// or the system date was changed.
static ClockTime TitleDate;
// The alarm minute last notified: none is announced twice.
static NotifiedMinute LastNotified;

void (*AlarmHandOver)(HWND owner, int n) = OpenAlarmNotification;

static TickFace CurrentFace() {
  if (App->Analog) return TickFace::Analog;
  return App->Flags.IsTransparentDigital() ? TickFace::TransparentDigital : TickFace::Digital;
}

static void RunAnalogCycle(bool full) {
  ClockPainter* painter = App->Analog;
  painter->BeginDrawing(false);
  painter->Draw(full);
  painter->EndDrawing();
}

static void Redraw(HWND hwnd, TickRedraw what) {
  switch (what) {
    case TickRedraw::Nothing: break;
    case TickRedraw::SecondHand: RunAnalogCycle(false); break;
    case TickRedraw::WholeAnalogFace: RunAnalogCycle(true); break;
    case TickRedraw::PushToBottom:
      RedrawTransparentDigits(hwnd);
      PushToBottom(hwnd);
      break;
    case TickRedraw::RedrawInPlace: RedrawTransparentDigits(hwnd); break;
    case TickRedraw::Repaint:
      InvalidateRect(hwnd, nullptr, TRUE);
      UpdateWindow(hwnd);
      break;
  }
}

// The notification runs modally inside this tick; the ticks that its message
// loop delivers meanwhile find TickSuspended set and leave TickTime at the
// alarm's minute, which is what the notification shows.
static void NotifyAlarm(HWND hwnd, int n) {
  TickSuspended = true;
  LastNotified.Any = true;
  LastNotified.At = ClockTimeOf(TickTime);
  AlarmHandOver(hwnd, n);
  MinuteChanged = true;
  if (App->Flags.IsTransparentDigital()) {
    PushToBottom(hwnd);
  } else {
    TickSuspended = false;
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
  }
}

void ClockTick(HWND hwnd) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  ClockTickAt(hwnd, now);
}

void ClockTickAt(HWND hwnd, const SYSTEMTIME& now) {
  // A suspended tick leaves everything to the first processed one after it,
  // which compares whole minutes and dates and so misses nothing.
  if (TickSuspended) return;

  TickInput in;
  in.Now = ClockTimeOf(now);
  in.TickTime = ClockTimeOf(TickTime);
  in.TitleDate = TitleDate;
  in.MinuteChanged = MinuteChanged;
  in.FullRedrawPending = FullRedrawPending;
  in.Face = CurrentFace();
  in.ShowSeconds = App->Flags.Has(OnSecond);
  TickDecision d = DecideTick(in);

  if (d.NewMinute) MinuteChanged = true;
  TickTime = now;
  if (d.RenewTitle) UpdateCaption(hwnd);
  if (d.CheckAlarms) {
    int n = FindDueAlarm();
    if (n > 0) {
      NotifyAlarm(hwnd, n);
      return;   // MinuteChanged stays set: the next tick redraws everything
    }
  }
  Redraw(hwnd, d.Redraw);
  MinuteChanged = false;
  FullRedrawPending = false;
}

int FindDueAlarm() {
  return FirstDueAlarm(App->Alarms, ClockTimeOf(TickTime), LastNotified);
}

const char* FormatDateText() {
  FormatDateTextOf(ClockTimeOf(TickTime), DateText);
  return DateText;
}

void UpdateCaption(HWND hwnd) {
  char title[152];
  wsprintfA(title, "Tivora - %s", FormatDateText());
  SetWindowTextA(hwnd, title);
  TitleDate = ClockTimeOf(TickTime);
}

void OpenAlarmNotification(HWND owner, int n) {
  DialogBoxParamA(App->Instance, "ALARMDLG", owner, AlarmNotification, n);
}
