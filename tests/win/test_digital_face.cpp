#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "app/ClockSettings.h"
#include "app/FacePainting.h"
#include "face/DigitalFace.h"
#include "face/LayeredSurface.h"
#include "face/rules/LayeredPixels.h"
#include "tests/win/FaceTestSupport.h"
#include "tests/win/TestSupport.h"
#include "timer/TickState.h"

namespace {

const COLORREF kRed = 0x000000FF;
const COLORREF kGrey = 0x00C0C0C0;
const int kWidth = 116, kHeight = 45;

struct Look {
  const char* text;
  COLORREF background;
  bool bold = false;
  BYTE quality = DEFAULT_QUALITY;
};

// What the face should show, drawn independently of it: the default font
// (Arial, 37 pixels, red) centred on one line.
void DrawReference(MemorySurface& s, const Look& look) {
  s.Fill(look.background);
  HFONT font = CreateFontA(37, 0, 0, 0, look.bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                           DEFAULT_CHARSET, 0, 0, look.quality, 0, "Arial");
  HGDIOBJ previous = SelectObject(s.dc(), font);
  SetBkMode(s.dc(), TRANSPARENT);
  SetTextColor(s.dc(), kRed);
  RECT box = {0, 0, s.width(), s.height()};
  DrawTextA(s.dc(), look.text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(s.dc(), previous);
  DeleteObject(font);
}

class DigitalFaceTest : public testing::Test {
protected:
  void SetUp() override {
    ResetClockRegistry();
    LoadSettings();   // the defaults: Arial 37, red on light grey
    Tick.TickTime.wYear = 2002;
  }
  void Paint(MemorySurface& s) {
    RECT client = {0, 0, s.width(), s.height()};
    face.DrawTime(s.dc(), client, App->Scene(), false, nullptr);
  }
  // Paints the face and the reference and reports where they differ.
  void ExpectShows(const Look& look) {
    MemorySurface actual(kWidth, kHeight, 0x00123456), expected(kWidth, kHeight, 0);
    Paint(actual);
    DrawReference(expected, look);
    EXPECT_TRUE(actual.DifferencesTo(expected).empty()) << "not showing " << look.text;
  }

  ScopedApp app;
  ScopedTickTime time;
  DigitalFace face;
};

TEST_F(DigitalFaceTest, ShowsHoursAndMinutesInRedCentredOnLightGrey) {
  time.Set(9, 5, 7);
  ExpectShows({"9:05", kGrey});
  MemorySurface s(kWidth, kHeight, 0);
  Paint(s);
  EXPECT_EQ(s.At(0, 0), kGrey);
  EXPECT_EQ(s.At(kWidth - 1, kHeight - 1), kGrey);
  EXPECT_EQ(s.Colours().count(kRed), 1u);
  RECT ink = s.BoundsOfAllBut(kGrey);
  ASSERT_LT(ink.left, ink.right);
  EXPECT_LE(std::abs(ink.left - (kWidth - ink.right)), 2) << ink.left << " " << ink.right;
  EXPECT_LE(std::abs(ink.top - (kHeight - ink.bottom)), 8) << ink.top << " " << ink.bottom;
}

TEST_F(DigitalFaceTest, SecondsSwitchAddsTwoDigitSecondsAndMidnightIsZeroHour) {
  app->Flags.SetFlag(OnSecond, true);
  time.Set(9, 5, 7);
  ExpectShows({"9:05:07", kGrey});
  time.Set(0, 0, 0);
  ExpectShows({"0:00:00", kGrey});
  app->Flags.SetFlag(OnSecond, false);
  ExpectShows({"0:00", kGrey});
  time.Set(23, 59, 59);
  ExpectShows({"23:59", kGrey});
  app->Flags.SetFlag(OnHour12, true);
  time.Set(15, 5, 9);
  ExpectShows({"午後 3:05", kGrey});
}

TEST_F(DigitalFaceTest, FloatingDigitsTakeTheirAlphaFromTheAntiAliasedTextOverAnInvisibleGround) {
  app->Flags.SetFlag(OnTransparent, true);
  // Neither the colour nor a picture goes under the digits.
  app->Flags.SetFlag(OnBitmap, true);
  lstrcpyW(app->Bitmap, L"C:\\pictures\\sky.bmp");
  time.Set(18, 48, 0);
  LayeredSurface s(kWidth, kHeight);
  ASSERT_TRUE(s.Ready());
  RECT client = {0, 0, kWidth, kHeight};
  face.DrawLayered(s, client, App->Scene());

  // The same text drawn anti-aliased in red on black: its red channel is
  // the coverage that each pixel's alpha must be.
  MemorySurface expected(kWidth, kHeight, 0);
  DrawReference(expected, {"18:48", 0, false, ANTIALIASED_QUALITY});
  int opaque = 0, blended = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t p = s.Pixel(x, y);
      ASSERT_EQ(p, LayeredPixel(GetRValue(expected.At(x, y)), kRed)) << x << "," << y;
      if (p >> 24 == 0xFF) ++opaque;
      if (p >> 24 > 1 && p >> 24 < 0xFF) ++blended;
    }
  }
  EXPECT_EQ(s.Pixel(0, 0), kLayeredBackground);
  EXPECT_GT(opaque, 60) << "the strokes are solid red";
  EXPECT_GT(blended, 20) << "the edges are anti-aliased";

  // With a sizing frame the picture covers it too, opaque.
  LayeredSurface framed(kWidth + 8, kHeight + 8);
  RECT inner = {4, 4, kWidth + 4, kHeight + 4};
  face.DrawLayered(framed, inner, App->Scene());
  EXPECT_EQ(framed.Pixel(1, 1) >> 24, 0xFFu);
  EXPECT_EQ(framed.Pixel(kWidth + 6, kHeight + 6) >> 24, 0xFFu);
  // Inside the raised edge, the border colour of a window that is not
  // active, as the system draws the frame of an ordinary window.
  const COLORREF border = GetSysColor(COLOR_INACTIVEBORDER);
  EXPECT_EQ(framed.Pixel(2, 10) & 0xFFFFFFu,
            uint32_t(GetRValue(border)) << 16 | GetGValue(border) << 8 | GetBValue(border));
  EXPECT_EQ(framed.Pixel(4, 4), kLayeredBackground);
  EXPECT_EQ(framed.Pixel(4 + kWidth / 2, 4 + kHeight / 2), s.Pixel(kWidth / 2, kHeight / 2));
}

TEST_F(DigitalFaceTest, LeavingTheTransparentDisplayBringsBackTheUsualFont) {
  time.Set(7, 7, 7);
  app->Flags.SetFlag(OnTransparent, true);
  LayeredSurface s(kWidth, kHeight);
  RECT client = {0, 0, kWidth, kHeight};
  face.DrawLayered(s, client, App->Scene());
  ASSERT_NE(face.TextFont, nullptr);
  EXPECT_EQ(face.FontSpec.lfQuality, ANTIALIASED_QUALITY);
  app->Flags.SetFlag(OnTransparent, false);
  ExpectShows({"7:07", kGrey, false, DEFAULT_QUALITY});
  ASSERT_NE(face.TextFont, nullptr);
  EXPECT_EQ(face.FontSpec.lfQuality, DEFAULT_QUALITY);
}

TEST_F(DigitalFaceTest, ANewBackgroundColourShowsOnceTheBrushIsMarkedDirty) {
  time.Set(12, 0, 0);
  MemorySurface s(kWidth, kHeight, 0);
  Paint(s);
  app->Font.SetBkColor(0x00804020);
  face.BrushDirty = true;
  Paint(s);
  EXPECT_EQ(s.At(1, 1), 0x00804020u);
}

TEST_F(DigitalFaceTest, PictureSwitchWithoutAPathPaintsThePlainColour) {
  time.Set(12, 0, 0);
  app->Flags.SetFlag(OnBitmap, true);
  app->Bitmap[0] = '\0';
  MemorySurface s(kWidth, kHeight, 0x00123456);
  Paint(s);
  EXPECT_EQ(s.At(1, 1), kGrey);
}

TEST_F(DigitalFaceTest, OnlyFaceHeightWeightAndItalicsReachTheClocksFont) {
  time.Set(10, 10, 0);
  app->Font.LogFont.lfUnderline = 1;
  app->Font.LogFont.lfStrikeOut = 1;
  app->Font.LogFont.lfCharSet = SHIFTJIS_CHARSET;   // it would take another face
  ExpectShows({"10:10", kGrey});

  app->Font.FontBold = true;
  face.FontDirty = true;
  ExpectShows({"10:10", kGrey, true});
}

// The measure is the extent of the widest minute of the day, whatever the
// time now: the window fitted to it holds every time that follows.
TEST_F(DigitalFaceTest, MeasuringGivesTheWidestTextExtentAndDrawsNoText) {
  time.Set(9, 5, 7);
  MemorySurface s(kWidth, kHeight, 0);
  RECT client = {0, 0, kWidth, kHeight};
  RECT measured = {0, 0, 0, 0};
  face.DrawTime(s.dc(), client, App->Scene(), true, &measured);
  EXPECT_EQ(s.Colours(), std::set<COLORREF>{kGrey});

  MemorySurface ref(kWidth, kHeight, 0);
  HFONT font = CreateFontA(37, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  HGDIOBJ previous = SelectObject(ref.dc(), font);
  const SIZE widest = WidestMinuteExtent(ref.dc());
  SelectObject(ref.dc(), previous);
  DeleteObject(font);
  EXPECT_EQ(measured.left, 0);
  EXPECT_EQ(measured.top, 0);
  EXPECT_EQ(measured.right, widest.cx);
  EXPECT_EQ(measured.bottom, widest.cy);
}

TEST_F(DigitalFaceTest, PaintDigitalMeasuresThroughTheWindowAndMakesAFaceIfNeeded) {
  HiddenWindow window(kWidth, kHeight);
  time.Set(9, 5, 7);
  ASSERT_EQ(app->Digital, nullptr);
  RECT measured = {0, 0, 0, 0};
  EXPECT_EQ(PaintDigital(window.get(), true, &measured), -1);
  EXPECT_NE(app->Digital, nullptr);
  EXPECT_GT(measured.right, 30);
  EXPECT_GT(measured.bottom, 30);
  RECT update;
  EXPECT_FALSE(GetUpdateRect(window.get(), &update, FALSE));
}

}  // namespace
