#include "app/ClockTick.h"
#include "app/ClockApp.h"
#include "app/FacePainting.h"
#include "app/Globals.h"
#include "app/MainWindow.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "timer/DateTitle.h"
#include "timer/Dialogs.h"
#include "timer/TickState.h"

void (*AlarmHandOver)(HWND owner, int n) = OpenAlarmNotification;

static TickFace CurrentFace() {
  if (App->Analog) return TickFace::Analog;
  return App->Flags.IsTransparentDigital() ? TickFace::TransparentDigital : TickFace::Digital;
}

static void RunAnalogCycle(bool full) {
  ClockPainter* painter = App->Analog;
  painter->BeginDrawing(false);
  painter->Draw(App->Scene(), full);
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
    case TickRedraw::Repaint: RepaintNow(hwnd); break;
  }
}

// The notification runs modally inside this tick; the ticks that its message
// loop delivers meanwhile find the tick held and leave TickTime at the
// alarm's minute, which is what the notification shows. MinuteChanged stays
// set afterwards: the next tick redraws everything.
static void NotifyAlarm(HWND hwnd, int n) {
  {
    TickHold hold(Tick.Holds);
    AlarmHandOver(hwnd, n);
  }
  Tick.MinuteChanged = true;
  if (App->Flags.IsTransparentDigital()) {
    PushToBottom(hwnd);
  } else {
    RepaintNow(hwnd);
  }
}

void ClockTick(HWND hwnd) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  ClockTickAt(hwnd, now);
}

void ClockTickAt(HWND hwnd, const SYSTEMTIME& now) {
  TickOutcome t = Tick.Process(now, CurrentFace(), App->Flags.Has(OnSecond), App->Alarms);
  if (!t.Processed) return;
  if (t.RenewTitle) UpdateCaption(hwnd);
  if (t.DueAlarm > 0) {
    NotifyAlarm(hwnd, t.DueAlarm);
    return;
  }
  Redraw(hwnd, t.Redraw);
  Tick.Finish();
}

void OpenAlarmNotification(HWND owner, int n) {
  DialogBoxParamA(App->Instance, "ALARMDLG", owner, AlarmNotification, n);
}
