#pragma once

// A press becomes a drag only when the cursor has moved 5 pixels or more
// along either axis; up to 4 along both it is still a click. The 4 is a
// 96-DPI figure: the caller passes it in the window's pixels.
constexpr int kDragDeadZone = 4;

inline bool LeftDeadZone(int startX, int startY, int x, int y, int deadZone) {
  int dx = startX > x ? startX - x : x - startX;
  int dy = startY > y ? startY - y : y - startY;
  return dx > deadZone || dy > deadZone;
}
