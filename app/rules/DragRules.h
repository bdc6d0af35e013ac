#pragma once

// A press becomes a drag only when the cursor has moved 5 pixels or more
// along either axis; up to 4 along both it is still a click.
constexpr int kDragDeadZone = 4;

inline bool LeftDeadZone(int startX, int startY, int x, int y) {
  int dx = startX > x ? startX - x : x - startX;
  int dy = startY > y ? startY - y : y - startY;
  return dx > kDragDeadZone || dy > kDragDeadZone;
}
