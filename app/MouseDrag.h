#pragma once
#include <windows.h>
#include <optional>
#include "face/rules/DisplayFlags.h"
#include "base/rules/DpiScale.h"
#include "timer/TickState.h"

// The left-button press in the window and, once the cursor leaves a small
// dead zone, its drag: a focus rectangle of the window's size follows the
// cursor on the screen, and the window moves there at the release. A press
// in progress holds the tick off until it ends.
//
// The application keeps one of these for its whole life; a press fills it
// and the end of the press empties it again.
class MouseDrag {
public:
  HWND Owner = nullptr;      // the window pressed; null while no press is in progress
  bool BandShown = false;
  POINT StartCursor = {};
  RECT StartRect = {};
  RECT Band = {};
  WPARAM MoveKeys = 0;

  MouseDrag() = default;
  // A press still in progress ends where it stands.
  ~MouseDrag() { ReleaseDrag(); }
  MouseDrag(const MouseDrag&) = delete;
  MouseDrag& operator=(const MouseDrag&) = delete;

  bool Pressed() const { return Owner != nullptr; }

  // The press: a press that never saw its release ends first. `cursor` is
  // where the message put the cursor, in screen coordinates: a clock busy
  // for a moment handles its press and moves after the cursor has gone on,
  // and the cursor's position now would shift the whole drag.
  bool BeginDrag(HWND window, WPARAM keys, POINT cursor);
  // A move; the dead zone is measured at the window's `scale`.
  bool TrackDrag(HWND window, WPARAM keys, POINT cursor, const DpiScale& scale);
  // The release: the window moves to where the band stands, and the press
  // ends. A window that `flags` keep at the bottom of the z-order stays there.
  void EndDrag(HWND window, const DisplayFlags& flags);
  // Ends the press where it stands (the capture lost, a new press, the end
  // of the program): the band is erased and the window stays.
  void ReleaseDrag();

private:
  // Inverts Band on the whole screen: drawn twice, it is gone.
  bool DrawBand();
  // Forgets the press. Called after Owner is cleared and the capture released.
  void Clear();

  bool Dragging = false;          // the cursor has left the dead zone
  std::optional<TickHold> Hold;   // pauses the tick exactly while a press is in progress
};
