#pragma once
#include <windows.h>

// One left-button press in the window and, once the cursor leaves a small
// dead zone, its drag: a focus rectangle of the window's size follows the
// cursor on the screen, and the window moves there at the release.
class MouseDrag {
public:
  HWND Owner;
  bool BandShown;
  POINT StartCursor;
  RECT StartRect;
  WPARAM PressKeys;
  RECT Band;
  WPARAM MoveKeys;

  explicit MouseDrag(HWND owner);
  MouseDrag(const MouseDrag&) = delete;
  MouseDrag& operator=(const MouseDrag&) = delete;

  bool BeginDrag(HWND hwnd, WPARAM keys, LPARAM lParam);
  bool TrackDrag(HWND hwnd, WPARAM keys, LPARAM lParam);
  void EndDrag(HWND hwnd, WPARAM keys, LPARAM lParam);
  void ReleaseDrag();

private:
  // Inverts Band on the whole screen: drawn twice, it is gone.
  bool DrawBand();
};
