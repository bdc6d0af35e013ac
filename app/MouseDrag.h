#pragma once
#include <windows.h>
#include "timer/TickState.h"

// One left-button press in the window and, once the cursor leaves a small
// dead zone, its drag: a focus rectangle of the window's size follows the
// cursor on the screen, and the window moves there at the release. The
// press holds the tick off for as long as the object lives.
class MouseDrag {
public:
  HWND Owner;
  bool BandShown;
  POINT StartCursor;
  RECT StartRect;
  RECT Band;
  WPARAM MoveKeys;

  explicit MouseDrag(HWND owner);
  // A band still on the screen is erased: a press that ends without its
  // release (the capture lost, a new press) leaves nothing behind.
  ~MouseDrag();
  MouseDrag(const MouseDrag&) = delete;
  MouseDrag& operator=(const MouseDrag&) = delete;

  // Positions come from the cursor and the window rectangle, in screen
  // coordinates; the messages' client coordinates are not needed.
  bool BeginDrag(HWND hwnd, WPARAM keys);
  bool TrackDrag(HWND hwnd, WPARAM keys);
  void EndDrag(HWND hwnd);
  void ReleaseDrag();

private:
  // Inverts Band on the whole screen: drawn twice, it is gone.
  bool DrawBand();

  bool Dragging;   // the cursor has left the dead zone
  TickHold Hold;
};
