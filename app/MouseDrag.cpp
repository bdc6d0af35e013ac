#include "app/MouseDrag.h"
#include "app/rules/DragRules.h"
#include "base/GdiScope.h"

// The mouse is captured at the press, not when the drag starts: the release
// comes back to the window wherever it happens, even after a flick out of
// the window faster than the moves that would start the drag.
bool MouseDrag::BeginDrag(HWND window, WPARAM keys, POINT cursor) {
  ReleaseDrag();
  if (!(keys & MK_LBUTTON)) return false;
  Owner = window;
  Hold.emplace(Tick.Pauses);
  GetWindowRect(Owner, &StartRect);
  StartCursor = cursor;
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

bool MouseDrag::TrackDrag(HWND window, WPARAM keys, POINT cursor, const DpiScale& scale) {
  if (!Pressed() || window != Owner) return false;
  HWND capture = GetCapture();
  if (!(keys & MK_LBUTTON)) return false;
  MoveKeys = keys;

  if (capture != Owner) return false;
  const bool firstStep = !Dragging;
  if (firstStep) {
    const int deadZone = scale.ToPixels(kDragDeadZone);
    if (!LeftDeadZone(StartCursor.x, StartCursor.y, cursor.x, cursor.y, deadZone)) return false;
    Dragging = true;
  }

  ScreenDC screen;
  if (!screen.dc()) return true;
  if (!firstStep && BandShown) DrawFocusRect(screen.dc(), &Band);
  CopyRect(&Band, &StartRect);
  OffsetRect(&Band, cursor.x - StartCursor.x, cursor.y - StartCursor.y);
  DrawFocusRect(screen.dc(), &Band);
  BandShown = true;
  return true;
}

// Owner is cleared before the capture goes: releasing it tells the window,
// and that message must find no press left to end a second time.
void MouseDrag::EndDrag(HWND window, const DisplayFlags& flags) {
  if (!Pressed() || window != Owner) return;
  const HWND owner = Owner;
  const bool captured = GetCapture() == owner;
  Owner = nullptr;
  if (captured) ReleaseCapture();
  if (captured && (MoveKeys & MK_LBUTTON) && BandShown) {
    BandShown = false;
    DrawBand();
    int width = Band.right - Band.left;
    int height = Band.bottom - Band.top;
    if (flags.Has(OnTransparent) && !flags.IsShaped()) {
      // Back to the bottom of the z-order at the new place; the system shows
      // what lies behind without the window being hidden first.
      SetWindowPos(owner, HWND_BOTTOM, Band.left, Band.top, width, height,
                   SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    } else {
      MoveWindow(owner, Band.left, Band.top, width, height, TRUE);
    }
    UpdateWindow(owner);
  }
  Clear();
}

void MouseDrag::ReleaseDrag() {
  if (!Pressed()) return;
  const HWND owner = Owner;
  Owner = nullptr;
  if (GetCapture() == owner) ReleaseCapture();
  Clear();
}

void MouseDrag::Clear() {
  if (BandShown) {
    BandShown = false;
    DrawBand();
  }
  Dragging = false;
  StartCursor = {};
  MoveKeys = 0;
  Hold.reset();
}
