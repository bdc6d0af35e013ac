#include "face/rules/AnalogGeometry.h"
#include <cmath>

// 3.14159 / 30: the face's own sixtieth of a turn.
constexpr double kRadiansPerPosition = 0.10471966666666667;
// 1 / 59, the hour hand's minute step.
constexpr double kMinuteStepFactor = 0.01694915254237288;

FaceGeometry GeometryForClient(int32_t clientWidth, int32_t clientHeight) {
  int32_t shorter = clientWidth < clientHeight ? clientWidth : clientHeight;
  return FaceGeometry{clientWidth / 2, clientHeight / 2, (shorter - 8) / 2};
}

FacePoint PointAt(const FaceGeometry& face, int32_t position, int32_t distance) {
  double angle = (15 - position) * kRadiansPerPosition;
  // Cut toward zero, so points fall on the centre's side of the exact spot.
  int32_t dx = static_cast<int32_t>(distance * std::cos(angle));
  int32_t dy = static_cast<int32_t>(distance * std::sin(angle));
  return FacePoint{face.CenterX + dx, face.CenterY - dy};
}

namespace {

struct HandSize {
  int32_t Length;
  int32_t Width;
};

}  // namespace

static HandSize SizeOf(HandKind kind, int32_t radius) {
  switch (kind) {
    case HandKind::Minute:
      return {static_cast<int32_t>(radius * 0.8), static_cast<int32_t>(radius * 0.6)};
    case HandKind::Hour:
      return {static_cast<int32_t>(radius * 0.55), static_cast<int32_t>(radius * 0.7)};
    case HandKind::Second:
    default:
      return {static_cast<int32_t>(radius * 0.85), static_cast<int32_t>(radius * 0.8)};
  }
}

// Small faces get relatively broader hands so that they stay visible.
static double WidthFactor(int32_t radius) {
  if (radius < 28) return 0.23;
  if (radius < 48) return 0.18;
  return 0.13;
}

HandPoints HandShape(const FaceGeometry& face, int32_t position, HandKind kind) {
  HandSize size = SizeOf(kind, face.Radius);
  int32_t halfWidth = static_cast<int32_t>(size.Width * WidthFactor(face.Radius));
  HandPoints h;
  h.Tip = PointAt(face, position, size.Length);
  h.LeftSide = PointAt(face, position - 15, halfWidth);
  h.Tail = PointAt(face, position + 30, static_cast<int32_t>(size.Length * 0.2));
  h.RightSide = PointAt(face, position + 15, halfWidth);
  h.TailEnd = PointAt(face, position + 30, static_cast<int32_t>(size.Length * 0.37));
  return h;
}

int32_t HourHandPosition(uint32_t hour, uint32_t minute) {
  int32_t h = static_cast<int32_t>(hour % 12);
  int32_t step = static_cast<int32_t>(minute * kMinuteStepFactor * 5 + 0.5);
  if (step >= 5) step = 4;
  int32_t position = 5 * h + step;
  return position >= 60 ? 0 : position;
}

int32_t MarkSize(int32_t radius) {
  int32_t s = radius < 64 ? radius / 15 : radius / 20;
  return s < 2 ? 2 : s;
}

MarkRect MarkRectAt(const FaceGeometry& face, int32_t position) {
  int32_t s = MarkSize(face.Radius);
  FacePoint a = PointAt(face, position, face.Radius - 1);
  // Each square is pushed from its anchor toward the centre, so it lies
  // inside the rim; the four quarter marks are centred on the anchor.
  int32_t left = a.X, top = a.Y;
  switch (position) {
    case 0: left = a.X - s / 2; break;
    case 5: case 10: left = a.X - s; break;
    case 15: left = a.X - s; top = a.Y - s / 2; break;
    case 20: case 25: left = a.X - s; top = a.Y - s; break;
    case 30: left = a.X - s / 2; top = a.Y - s; break;
    case 35: case 40: top = a.Y - s; break;
    case 45: top = a.Y - s / 2; break;
    default: break;   // 50, 55: below right of the anchor
  }
  return MarkRect{left, top, left + s, top + s};
}
