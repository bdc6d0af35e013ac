#include "app/ClockTick.h"
#include "app/ClockApp.h"
#include "app/FacePainting.h"
#include "app/Globals.h"
#include "app/WindowStyling.h"
#include "base/UiLanguage.h"
#include "timer/AlarmBinding.h"
#include "timer/Beeper.h"
#include "timer/DateTitle.h"
#include "timer/Dialogs.h"
#include "timer/TickState.h"

bool (*AlarmHandOver)(HWND owner, int n) = OpenAlarmNotification;

static TickFace CurrentFace() {
  if (App->Analog) return TickFace::Analog;
  return App->Flags.IsTransparentDigital() ? TickFace::TransparentDigital : TickFace::Digital;
}

static void Redraw(HWND window, TickRedraw what) {
  switch (what) {
    case TickRedraw::Nothing: break;
    case TickRedraw::SecondHand: DrawAnalog(false); break;
    case TickRedraw::WholeAnalogFace: DrawAnalog(true); break;
    case TickRedraw::PushToBottom:
      RedrawFace(window);
      PushToBottom(window);
      break;
    case TickRedraw::RedrawInPlace: RedrawFace(window); break;
    case TickRedraw::Repaint: RepaintNow(window); break;
  }
}

// The notification runs modally inside this tick; the ticks that its message
// loop delivers meanwhile find the tick held: the face keeps time behind it,
// and the next alarm waits until it has ended. Afterwards the face is
// redrawn at once, and whole again at the next tick. A notification that
// could not be shown leaves its alarm due, for the next tick to try again.
static void NotifyAlarm(HWND window, int n) {
  bool shown;
  {
    TickHold hold(Tick.Holds);
    shown = AlarmHandOver(window, n);
  }
  if (!shown) Tick.Watch.PutBack(Tick.Announced);
  Tick.Announced = DueAlarm();
  Tick.AskFaceRedraw();
  if (App->Flags.IsTransparentDigital()) {
    PushToBottom(window);
  } else {
    RepaintNow(window);
  }
}

void ClockTick(HWND window) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  ClockTickAt(window, now);
}

void ClockTickAt(HWND window, const SYSTEMTIME& now) {
  TickOutcome t =
      Tick.Process(now, Tick.ElapsedNow(), CurrentFace(), App->Flags.Has(OnSecond), App->Alarms);
  if (!t.Processed) return;
  if (t.RenewTitle) UpdateCaption(window);
  Redraw(window, t.Redraw);
  Tick.Finish();
  if (t.Chime) GiveBeep();
  if (t.DueAlarm > 0) NotifyAlarm(window, t.DueAlarm);
}

bool OpenAlarmNotification(HWND owner, int n) {
  AlarmCall call;
  call.Number = n;
  call.Alarms = &App->Alarms;
  // The notification always ends with 1; 0 and -1 say it never opened.
  return UiDialogBox(App->Instance, L"ALARMDLG", owner, AlarmNotification,
                     reinterpret_cast<LPARAM>(&call)) == 1;
}
