#pragma once
#include <cstdint>

// The analog face's figures, worked out without drawing anything. Positions
// round the face are sixtieths of a turn: 0 is twelve o'clock, 15 three
// o'clock, increasing clockwise.

struct FacePoint {
  int32_t X;
  int32_t Y;
};

inline bool operator==(FacePoint a, FacePoint b) { return a.X == b.X && a.Y == b.Y; }

// Centre and radius of the face disc in client coordinates.
struct FaceGeometry {
  int32_t CenterX;
  int32_t CenterY;
  int32_t Radius;
};

// The disc keeps at least 4 pixels from the nearer pair of client edges and
// sits in the middle of the longer direction.
FaceGeometry GeometryForClient(int32_t clientWidth, int32_t clientHeight);

// The point distance pixels from the centre towards position (which may lie
// outside 0..59). Uses 3.14159 / 30 per position, not pi / 30: that constant
// decides on which pixel the points at 12, 6 and 9 o'clock fall.
FacePoint PointAt(const FaceGeometry& face, int32_t position, int32_t distance);

enum class HandKind { Minute, Hour, Second };

// The five points of a hand. The filled hands are the quadrilateral Tip,
// LeftSide, Tail, RightSide; the second hand is the line Tip to TailEnd.
struct HandPoints {
  FacePoint Tip;
  FacePoint LeftSide;
  FacePoint Tail;
  FacePoint RightSide;
  FacePoint TailEnd;
};

HandPoints HandShape(const FaceGeometry& face, int32_t position, HandKind kind);

// Where the hour hand points: five positions an hour plus a step of 0 to 4
// for the minutes, so that it never reaches the next hour's mark early.
int32_t HourHandPosition(uint32_t hour, uint32_t minute);

// Edge length of the square hour marks: radius / 15 below 64, radius / 20
// from there, at least 2.
int32_t MarkSize(int32_t radius);

struct MarkRect {
  int32_t Left;
  int32_t Top;
  int32_t Right;
  int32_t Bottom;
};

inline bool operator==(const MarkRect& a, const MarkRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

// The square of the hour mark at position (0, 5, ... 55), just inside the
// rim; right and bottom are exclusive.
MarkRect MarkRectAt(const FaceGeometry& face, int32_t position);
