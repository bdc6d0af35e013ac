#include <gtest/gtest.h>
#include <cmath>
#include "face/rules/AnalogGeometry.h"

static void PrintTo(const FacePoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
static void PrintTo(const MarkRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

static const FaceGeometry kFace108 = GeometryForClient(108, 108);

TEST(AnalogGeometry, ClientOf108GivesRadius50AroundTheMiddle) {
  EXPECT_EQ(kFace108.CenterX, 54);
  EXPECT_EQ(kFace108.CenterY, 54);
  EXPECT_EQ(kFace108.Radius, 50);
}

TEST(AnalogGeometry, DiscKeepsFourPixelsFromTheNearerEdgesAndCentresInTheLonger) {
  FaceGeometry wide = GeometryForClient(200, 100);
  EXPECT_EQ(wide.Radius, 46);
  EXPECT_EQ(wide.CenterX, 100);
  EXPECT_EQ(wide.CenterY, 50);
  // The box of the disc (and of the round window region).
  EXPECT_EQ(wide.CenterX - wide.Radius, 54);
  EXPECT_EQ(wide.CenterY - wide.Radius, 4);
  EXPECT_EQ(wide.CenterX + wide.Radius, 146);
  EXPECT_EQ(wide.CenterY + wide.Radius, 96);

  FaceGeometry tall = GeometryForClient(101, 301);
  EXPECT_EQ(tall.Radius, 46);   // (101 - 8) / 2, cut
  EXPECT_EQ(tall.CenterX, 50);
  EXPECT_EQ(tall.CenterY, 150);
}

TEST(AnalogGeometry, PointAtLandsOnePixelShortAtTwelveSixAndNineButExactAtThree) {
  FaceGeometry f{50, 50, 45};
  EXPECT_EQ(PointAt(f, 0, 40), (FacePoint{50, 11}));
  EXPECT_EQ(PointAt(f, 15, 40), (FacePoint{90, 50}));
  EXPECT_EQ(PointAt(f, 30, 40), (FacePoint{50, 89}));
  EXPECT_EQ(PointAt(f, 45, 40), (FacePoint{11, 50}));
  // Positions outside 0..59 are computed, not wrapped: a whole turn is 60.00005
  // positions long, so 75 falls a pixel short of where 15 lands.
  EXPECT_EQ(PointAt(f, 75, 40), (FacePoint{89, 50}));
  EXPECT_EQ(PointAt(f, 7, 0), (FacePoint{50, 50}));
}

TEST(AnalogGeometry, PointAtStaysWithinItsDistanceInEveryDirection) {
  FaceGeometry f{100, 100, 90};
  for (int position = -15; position < 90; ++position) {
    for (int distance : {1, 7, 40, 89}) {
      FacePoint p = PointAt(f, position, distance);
      double dx = p.X - f.CenterX, dy = p.Y - f.CenterY;
      EXPECT_LE(std::sqrt(dx * dx + dy * dy), distance + 1e-9) << position << " " << distance;
      EXPECT_GE(std::sqrt(dx * dx + dy * dy), distance - 2.0) << position << " " << distance;
    }
  }
}

TEST(AnalogGeometry, HandsOfThe108Face) {
  HandPoints minute = HandShape(kFace108, 0, HandKind::Minute);
  EXPECT_EQ(minute.Tip, (FacePoint{54, 15}));
  EXPECT_EQ(minute.LeftSide, (FacePoint{52, 54}));
  EXPECT_EQ(minute.Tail, (FacePoint{54, 61}));
  EXPECT_EQ(minute.RightSide, (FacePoint{57, 54}));

  HandPoints hour = HandShape(kFace108, HourHandPosition(3, 0), HandKind::Hour);
  EXPECT_EQ(hour.Tip, (FacePoint{81, 54}));
  EXPECT_EQ(hour.LeftSide, (FacePoint{54, 51}));
  EXPECT_EQ(hour.Tail, (FacePoint{50, 54}));
  EXPECT_EQ(hour.RightSide, (FacePoint{54, 57}));

  HandPoints second = HandShape(kFace108, 45, HandKind::Second);
  EXPECT_EQ(second.Tip, (FacePoint{13, 54}));
  EXPECT_EQ(second.TailEnd, (FacePoint{68, 54}));
}

TEST(AnalogGeometry, SmallFacesGetBroaderHands) {
  // The minute hand's half-width, seen as RightSide's distance at minute 0
  // (three o'clock from the hand, where PointAt is exact). The width factor
  // steps down at radius 28 and 48: a bigger face can get a narrower hand.
  struct Case { int radius, halfWidth; } cases[] = {{27, 3}, {28, 2}, {47, 5}, {48, 3}};
  for (const Case& c : cases) {
    FaceGeometry f{100, 100, c.radius};
    HandPoints h = HandShape(f, 0, HandKind::Minute);
    EXPECT_EQ(h.RightSide.X - f.CenterX, c.halfWidth) << "radius " << c.radius;
    EXPECT_EQ(h.RightSide.Y, f.CenterY) << "radius " << c.radius;
  }
}

TEST(AnalogGeometry, HourHandStepsThroughTheHourAndNeverReachesSixty) {
  struct Case { unsigned minuteFrom, minuteTo; int step; } steps[] = {
      {0, 5, 0}, {6, 17, 1}, {18, 29, 2}, {30, 41, 3}, {42, 59, 4}};
  for (const Case& c : steps)
    for (unsigned m = c.minuteFrom; m <= c.minuteTo; ++m)
      EXPECT_EQ(HourHandPosition(7, m), 35 + c.step) << "7:" << m;
  EXPECT_EQ(HourHandPosition(11, 59), 59);
  EXPECT_EQ(HourHandPosition(23, 59), 59);
  EXPECT_EQ(HourHandPosition(12, 0), 0);
  EXPECT_EQ(HourHandPosition(0, 0), 0);
  // Over a whole day the hand only moves forward, except at the turn of 12.
  int previous = 0;
  for (unsigned h = 0; h < 24; ++h)
    for (unsigned m = 0; m < 60; ++m) {
      int p = HourHandPosition(h, m);
      ASSERT_GE(p, 0);
      ASSERT_LT(p, 60);
      if (!(m == 0 && h % 12 == 0)) {
        EXPECT_GE(p, previous) << h << ":" << m;
      }
      previous = p;
    }
}

TEST(AnalogGeometry, MarkSizeFollowsTheRadiusWithTheDivisorChangingAt64) {
  EXPECT_EQ(MarkSize(50), 3);
  EXPECT_EQ(MarkSize(44), 2);
  EXPECT_EQ(MarkSize(45), 3);
  EXPECT_EQ(MarkSize(10), 2);   // never below 2
  EXPECT_EQ(MarkSize(0), 2);
  EXPECT_EQ(MarkSize(63), 4);
  EXPECT_EQ(MarkSize(64), 3);
  EXPECT_EQ(MarkSize(200), 10);
}

TEST(AnalogGeometry, QuarterMarksOfThe108Face) {
  EXPECT_EQ(MarkRectAt(kFace108, 0), (MarkRect{53, 6, 56, 9}));
  EXPECT_EQ(MarkRectAt(kFace108, 15), (MarkRect{100, 53, 103, 56}));
  EXPECT_EQ(MarkRectAt(kFace108, 30), (MarkRect{53, 99, 56, 102}));
  EXPECT_EQ(MarkRectAt(kFace108, 45), (MarkRect{6, 53, 9, 56}));
}

TEST(AnalogGeometry, EveryMarkLiesInsideTheRimAndTouchesItsAnchor) {
  for (int client : {24, 40, 60, 108, 135, 136, 137, 200, 400}) {
    FaceGeometry f = GeometryForClient(client, client);
    for (int p = 0; p < 60; p += 5) {
      MarkRect m = MarkRectAt(f, p);
      // All pixels of the square inside the disc's bounding box.
      EXPECT_GE(m.Left, f.CenterX - f.Radius) << client << " @" << p;
      EXPECT_GE(m.Top, f.CenterY - f.Radius) << client << " @" << p;
      EXPECT_LE(m.Right, f.CenterX + f.Radius) << client << " @" << p;
      EXPECT_LE(m.Bottom, f.CenterY + f.Radius) << client << " @" << p;
      // The anchor is one of the square's corners or edge middles.
      FacePoint a = PointAt(f, p, f.Radius - 1);
      EXPECT_TRUE(a.X >= m.Left && a.X <= m.Right && a.Y >= m.Top && a.Y <= m.Bottom)
          << client << " @" << p;
    }
  }
}
