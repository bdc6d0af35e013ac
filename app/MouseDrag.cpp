#include "app/MouseDrag.h"
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "app/WindowDpi.h"
#include "app/rules/DragRules.h"
#include "face/GdiScope.h"

MouseDrag::MouseDrag(HWND owner)
    : Owner(owner), BandShown(false), StartCursor(), StartRect(), Band(),
      MoveKeys(0), Dragging(false), Hold(Tick.Holds) {}

MouseDrag::~MouseDrag() {
  if (!BandShown) return;
  BandShown = false;
  DrawBand();
}

// The mouse is captured at the press, not when the drag starts: the release
// comes back to the window wherever it happens, even after a flick out of
// the window faster than the moves that would start the drag.
bool MouseDrag::BeginDrag(HWND hwnd, WPARAM keys) {
  if (hwnd != Owner || !(keys & MK_LBUTTON)) return false;
  GetWindowRect(Owner, &StartRect);
  GetCursorPos(&StartCursor);
  MoveKeys = 0;
  SetCapture(Owner);
  return true;
}

bool MouseDrag::DrawBand() {
  ScreenDC screen;
  if (!screen.dc()) return false;
  DrawFocusRect(screen.dc(), &Band);
  return true;
}

bool MouseDrag::TrackDrag(HWND hwnd, WPARAM keys) {
  if (hwnd != Owner) return false;
  HWND capture = GetCapture();
  if (!(keys & MK_LBUTTON)) return false;
  POINT pt;
  GetCursorPos(&pt);
  MoveKeys = keys;

  if (capture != Owner) return false;
  const bool firstStep = !Dragging;
  if (firstStep) {
    const int deadZone = ClockScale().ToPixels(kDragDeadZone);
    if (!LeftDeadZone(StartCursor.x, StartCursor.y, pt.x, pt.y, deadZone)) return false;
    Dragging = true;
  }

  ScreenDC screen;
  if (!screen.dc()) return true;
  if (!firstStep && BandShown) DrawFocusRect(screen.dc(), &Band);
  CopyRect(&Band, &StartRect);
  OffsetRect(&Band, pt.x - StartCursor.x, pt.y - StartCursor.y);
  DrawFocusRect(screen.dc(), &Band);
  BandShown = true;
  return true;
}

void MouseDrag::EndDrag(HWND hwnd) {
  if (hwnd != Owner || GetCapture() != Owner) return;
  ReleaseCapture();
  if (!(MoveKeys & MK_LBUTTON)) return;
  if (BandShown) {
    BandShown = false;
    DrawBand();
    int width = Band.right - Band.left;
    int height = Band.bottom - Band.top;
    if (App->Flags.Has(OnTransparent) && !App->Flags.IsShaped()) {
      // Back to the bottom of the z-order at the new place; the system shows
      // what lies behind without the window being hidden first.
      SetWindowPos(hwnd, HWND_BOTTOM, Band.left, Band.top, width, height,
                   SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    } else {
      MoveWindow(Owner, Band.left, Band.top, width, height, TRUE);
    }
    UpdateWindow(hwnd);
  }
  StartCursor.x = StartCursor.y = 0;
  MoveKeys = 0;
}

void MouseDrag::ReleaseDrag() {
  if (GetCapture() == Owner) ReleaseCapture();
}
