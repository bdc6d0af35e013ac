#include <windows.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>
#include "face/BackgroundImage.h"
#include "tests/fuzz/BitmapSamples.h"
#include "tests/win/FaceTestSupport.h"
#include "tests/win/TestSupport.h"
#include "tests/win/WideText.h"

using samples::Bytes;
using samples::Picture;
using samples::Quarters;

namespace {

// The test's own name for a file in the temporary folder.
std::string OwnName(const std::string& name) {
  return "tivora-bg-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

std::string TextFor(BitmapFault fault) {
  switch (fault) {
    case BitmapFault::HeaderShort: return "ビットマップヘッダーの読込みに失敗しました。";
    case BitmapFault::BadMagic: return "DIB ﾋﾞｯﾄﾏｯﾌﾟのﾏｼﾞｯｸNo=(0x4b50) は読込めません";
    case BitmapFault::NoMemory: return "ﾋﾞｯﾄﾏｯﾌﾟの読込みに失敗しました(ﾒﾓﾘ不足?)";
    case BitmapFault::ShortRead: return "Bitmap Headerの読込みに失敗しました(ﾒﾓﾘ不足?)";
    case BitmapFault::InfoHeaderSize: return "Error : ﾋﾞｯﾄﾏｯﾌﾟのｲﾝﾌｫﾍｯﾀﾞｰｻｲｽﾞが違います。";
    case BitmapFault::Damaged: return "ﾋﾞｯﾄﾏｯﾌﾟのﾃﾞｰﾀが壊れています。";
    case BitmapFault::NoPixels: return "ﾋﾞｯﾄﾏｯﾌﾟの幅か高さが0です。";
    case BitmapFault::Unsupported: return "この形式(色数・圧縮)のﾋﾞｯﾄﾏｯﾌﾟは表示できません。";
    default: return "";
  }
}

// A 200 x 200 memory surface, grey until something is drawn on it.
class Surface : public MemorySurface {
public:
  static constexpr int kSize = 200;
  static constexpr COLORREF kUntouched = RGB(0x80, 0x80, 0x80);

  Surface() : MemorySurface(kSize, kSize, kUntouched) {}

  // 0xRRGGBB, as the samples write colours.
  uint32_t At(int x, int y) const {
    COLORREF c = MemorySurface::At(x, y);
    return static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
  }
  bool Untouched() const {
    for (int y = 0; y < kSize; y += 9)
      for (int x = 0; x < kSize; x += 9)
        if (MemorySurface::At(x, y) != kUntouched) return false;
    return true;
  }
};

// Colours of 16-bit pictures lose their low bits.
bool Near(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)) > 8)
      return false;
  return true;
}

::testing::AssertionResult ShowsQuarters(const Surface& s, const uint32_t (&expected)[4]) {
  // Well inside each quarter, and at the four outermost pixels.
  const int points[][2] = {{50, 50}, {150, 50}, {50, 150}, {150, 150},
                           {0, 0},   {199, 0},  {0, 199},  {199, 199}};
  for (int i = 0; i < 8; ++i) {
    uint32_t got = s.At(points[i][0], points[i][1]);
    if (!Near(got, expected[i % 4])) {
      char text[80];
      wsprintfA(text, "pixel (%d,%d) is %06x, expected %06x", points[i][0], points[i][1], got,
                expected[i % 4]);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

// The largest block of private memory that the process has committed.
SIZE_T LargestPrivateBlock() {
  SIZE_T largest = 0;
  MEMORY_BASIC_INFORMATION m;
  for (const BYTE* at = nullptr; VirtualQuery(at, &m, sizeof m) == sizeof m;
       at = static_cast<const BYTE*>(m.BaseAddress) + m.RegionSize)
    if (m.State == MEM_COMMIT && m.Type == MEM_PRIVATE && m.RegionSize > largest) largest = m.RegionSize;
  return largest;
}

const uint32_t kQuarters[4] = {samples::kTopLeft, samples::kTopRight, samples::kBottomLeft,
                               samples::kBottomRight};

class BackgroundImageTest : public ::testing::Test {
protected:
  HWND Owner = nullptr;
  std::vector<std::string> Files;

  void SetUp() override {
    Owner = CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override {
    for (const std::string& f : Files) DeleteFileA(f.c_str());
    DestroyWindow(Owner);
  }
  std::string File(const std::string& name, const Bytes& bytes) {
    Files.push_back(WriteTempFile(OwnName(name), bytes));
    return Files.back();
  }
};

::testing::AssertionResult HoldsNothing(const BackgroundImage& image) {
  BITMAPFILEHEADER zero = {};
  if (image.Block || image.Locked || image.Info || image.ColorTable || image.ColorCount ||
      image.Bits)
    return ::testing::AssertionFailure() << "a picture or a lock is still held";
  if (memcmp(&image.FileHeader, &zero, sizeof zero) != 0)
    return ::testing::AssertionFailure() << "the file header was not cleared";
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST_F(BackgroundImageTest, EverySoundPictureLoadsSilentlyAndDrawsUprightOverTheWholeTarget) {
  struct Case {
    const char* Name;
    Picture Pic;
    uint32_t Colours[4];
  };
  Picture offsetZero = Quarters(100, 50, 4);
  offsetZero.OffBitsZero = true;
  Picture mono = Quarters(100, 50, 1);
  const uint32_t monoColours[4] = {samples::kTopLeft, samples::kTopRight, samples::kTopRight,
                                   samples::kTopRight};
  std::vector<Case> cases = {
      {"24 bits", Quarters(100, 50), {}},
      {"24 bits stored top-down", Quarters(100, -50), {}},
      {"32 bits", Quarters(100, 50, 32), {}},
      {"32 bits with masks", samples::WithBitFields(Quarters(100, 50, 32)), {}},
      {"32 bits with masks top-down", samples::WithBitFields(Quarters(100, -50, 32)), {}},
      {"16 bits", Quarters(100, 50, 16), {}},
      {"16 bits 5-6-5", samples::WithBitFields(Quarters(100, 50, 16)), {}},
      {"8 bits", Quarters(100, 50, 8), {}},
      {"8 bits top-down", Quarters(100, -50, 8), {}},
      {"4 bits, pixels after the table", offsetZero, {}},
      {"1 bit", mono, {}},
  };
  for (Case& c : cases)
    for (int i = 0; i < 4; ++i) c.Colours[i] = c.Pic.BitCount == 1 ? monoColours[i] : kQuarters[i];

  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MessageBoxCatcher boxes;
    BackgroundImage image(Owner);
    ASSERT_TRUE(image.Load(Wide(File("sound.bmp", c.Pic.Build())).c_str()));
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_NE(image.Block, nullptr);
    EXPECT_EQ(image.Locked, nullptr);  // held unlocked between operations
    Surface surface;
    image.DrawStretched(surface.dc(), RECT{0, 0, Surface::kSize, Surface::kSize});
    EXPECT_TRUE(ShowsQuarters(surface, c.Colours));
    EXPECT_EQ(image.Locked, nullptr);
  }
}

TEST_F(BackgroundImageTest, AHundredByFiftyPictureFillsTwoHundredByTwoHundredDistorted) {
  // Left third red, the rest blue: the border lands at a third of the target.
  Picture p = Quarters(100, 50);
  p.Pixel = [](int x, int) { return x < 33 ? 0xFF0000u : 0x0000FFu; };
  BackgroundImage image(Owner);
  ASSERT_TRUE(image.Load(Wide(File("wide.bmp", p.Build())).c_str()));
  Surface surface;
  image.DrawStretched(surface.dc(), RECT{0, 0, 200, 200});
  EXPECT_EQ(surface.At(62, 199), 0xFF0000u);
  EXPECT_EQ(surface.At(70, 0), 0x0000FFu);
  EXPECT_EQ(surface.At(199, 199), 0x0000FFu);

  // The rectangle gives only the size: the picture starts at the surface's corner.
  Surface moved;
  image.DrawStretched(moved.dc(), RECT{50, 50, 150, 150});
  EXPECT_EQ(moved.At(0, 0), 0xFF0000u);
  EXPECT_EQ(moved.At(99, 99), 0x0000FFu);
  EXPECT_EQ(moved.At(150, 150), static_cast<uint32_t>(0x808080));
}

TEST_F(BackgroundImageTest, ColourCountAndImageSizeAreFilledInWhileParsed) {
  BackgroundImage image(Owner);
  ASSERT_TRUE(image.Load(Wide(File("eight.bmp", Quarters(10, 6, 8).Build())).c_str()));
  ASSERT_TRUE(image.LockAndParse());
  EXPECT_EQ(image.ColorCount, 256u);
  EXPECT_EQ(image.Info->bmiHeader.biClrUsed, 256u);
  EXPECT_EQ(image.Info->bmiHeader.biSizeImage, 12u * 6);  // 10 bytes padded to 12
  EXPECT_EQ(reinterpret_cast<uint8_t*>(image.ColorTable),
            reinterpret_cast<uint8_t*>(image.Info) + 40);
  EXPECT_EQ(static_cast<uint8_t*>(image.Bits), reinterpret_cast<uint8_t*>(image.Info) + 40 + 1024);
  image.Unlock();
  EXPECT_EQ(image.Info, nullptr);
  EXPECT_EQ(image.ColorCount, 0u);
  EXPECT_EQ(image.Bits, nullptr);
  image.Release();

  ASSERT_TRUE(image.Load(Wide(File("true.bmp", Quarters(10, -6, 24).Build())).c_str()));
  ASSERT_TRUE(image.LockAndParse());
  EXPECT_EQ(image.ColorCount, 0u);
  EXPECT_EQ(image.Info->bmiHeader.biSizeImage, 32u * 6);
  EXPECT_EQ(image.Rows, 6);
  image.Unlock();
  image.Release();

  Picture four = Quarters(10, 6, 4);
  four.Palette.resize(6);
  four.ClrUsed = 6;
  ASSERT_TRUE(image.Load(Wide(File("four.bmp", four.Build())).c_str()));
  ASSERT_TRUE(image.LockAndParse());
  EXPECT_EQ(image.ColorCount, 6u);
  image.Unlock();
}

TEST_F(BackgroundImageTest, EverySampleIsTakenSilentlyOrRefusedWithItsOwnBox) {
  for (const samples::Sample& s : samples::AllSamples()) {
    SCOPED_TRACE(s.Name);
    MessageBoxCatcher boxes;
    BackgroundImage image(Owner);
    bool held = image.Load(Wide(File(s.Name + ".bmp", s.File)).c_str());
    if (s.Expected == BitmapFault::None) {
      EXPECT_TRUE(held && boxes.Shown.empty()) << "a sound picture is taken silently";
      continue;
    }
    EXPECT_FALSE(held);
    EXPECT_TRUE(HoldsNothing(image));
    ASSERT_EQ(boxes.Shown.size(), 1u);
    const SeenBox& box = boxes.Shown[0];
    EXPECT_EQ(box.Text, TextFor(s.Expected));
    EXPECT_EQ(box.Title, "エラー");
    EXPECT_EQ(box.Owner, Owner);
    EXPECT_TRUE(box.Icon && box.Icon == LoadIconA(nullptr, IDI_EXCLAMATION));
    EXPECT_EQ(box.Buttons, 1);
    // Nothing is left to draw.
    Surface surface;
    image.DrawStretched(surface.dc(), RECT{0, 0, 200, 200});
    EXPECT_TRUE(surface.Untouched());
  }
}

TEST_F(BackgroundImageTest, AMissingFileNamesItsPathAndAnEmptyPathIsIgnored) {
  MessageBoxCatcher boxes;
  BackgroundImage image(Owner);
  std::string path = TempFilePath(OwnName("no-such-picture.bmp"));
  EXPECT_FALSE(image.Load(Wide(path).c_str()));
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Text, "ファイルを開くのに失敗しました\n " + path);
  EXPECT_EQ(boxes.Shown[0].Title, "エラー");
  EXPECT_TRUE(HoldsNothing(image));

  // A path too long for the message's buffer is cut, not written past it.
  std::string longPath = "C:\\" + std::string(400, 'x') + ".bmp";
  EXPECT_FALSE(image.Load(Wide(longPath).c_str()));
  ASSERT_EQ(boxes.Shown.size(), 2u);
  EXPECT_EQ(boxes.Shown[1].Text.rfind("ファイルを開くのに失敗しました\n C:\\xxx", 0), 0u);
  EXPECT_LT(boxes.Shown[1].Text.size(), 360u);

  EXPECT_FALSE(image.Load(L""));
  EXPECT_FALSE(image.Load(nullptr));
  EXPECT_EQ(boxes.Shown.size(), 2u);
}

TEST_F(BackgroundImageTest, APictureChosenAfterAFailedOneLeavesTheBackgroundEmpty) {
  MessageBoxCatcher boxes;
  BackgroundImage image(Owner);
  ASSERT_TRUE(image.Load(Wide(File("first.bmp", Quarters(100, 50).Build())).c_str()));

  Bytes damaged = samples::Truncated(Quarters(100, 50).Build(), 200);
  EXPECT_FALSE(image.Load(Wide(File("second.bmp", damaged)).c_str()));
  EXPECT_EQ(boxes.Shown.size(), 1u);
  EXPECT_TRUE(HoldsNothing(image));
  Surface surface;
  image.DrawStretched(surface.dc(), RECT{0, 0, 200, 200});
  EXPECT_TRUE(surface.Untouched());

  // And a good one after that is shown again.
  ASSERT_TRUE(image.Load(Wide(File("third.bmp", Quarters(100, 50).Build())).c_str()));
  image.DrawStretched(surface.dc(), RECT{0, 0, 200, 200});
  EXPECT_TRUE(ShowsQuarters(surface, kQuarters));
}

TEST_F(BackgroundImageTest, RepeatedDrawingsFindTheBlockAsTheFirstParseLeftIt) {
  Picture p = Quarters(40, 20);
  p.SizeImage = 0xFFFFFF00;  // claims more than the file holds: replaced on the first parse
  BackgroundImage image(Owner);
  ASSERT_TRUE(image.Load(Wide(File("claims.bmp", p.Build())).c_str()));
  for (int i = 0; i < 3; ++i) {
    Surface surface;
    image.DrawStretched(surface.dc(), RECT{0, 0, 200, 200});
    EXPECT_TRUE(ShowsQuarters(surface, kQuarters));
  }
  ASSERT_TRUE(image.LockAndParse());
  EXPECT_EQ(image.Info->bmiHeader.biSizeImage, 120u * 20);
  image.Unlock();
}

// The picture is stretched to the window once per size and then drawn from
// that copy at every tick: pixels changed after the first drawing show only
// at a new size. A picture read anew is shown at once, at the same size too.
TEST_F(BackgroundImageTest, APictureIsStretchedOncePerSizeAndAgainWhenReadAnew) {
  BackgroundImage image(Owner);
  ASSERT_TRUE(image.Load(Wide(File("once.bmp", Quarters(100, 50).Build())).c_str()));
  Surface first;
  image.DrawStretched(first.dc(), RECT{0, 0, 200, 200});
  ASSERT_TRUE(ShowsQuarters(first, kQuarters));

  ASSERT_TRUE(image.LockAndParse());
  ZeroMemory(image.Bits, image.Info->bmiHeader.biSizeImage);   // all black now
  image.Unlock();
  Surface again;
  image.DrawStretched(again.dc(), RECT{0, 0, 200, 200});
  EXPECT_TRUE(ShowsQuarters(again, kQuarters)) << "drawn from the copy of that size";
  Surface smaller;
  image.DrawStretched(smaller.dc(), RECT{0, 0, 100, 100});
  EXPECT_EQ(smaller.At(50, 50), 0u) << "stretched anew for a new size";

  ASSERT_TRUE(image.Load(Wide(File("anew.bmp", Quarters(100, 50).Build())).c_str()));
  Surface reread;
  image.DrawStretched(reread.dc(), RECT{0, 0, 100, 100});
  EXPECT_TRUE(Near(reread.At(25, 25), samples::kTopLeft)) << "the picture read anew";
}

// A picture larger than the largest screen is kept as a copy of that
// screen's size: its file's block is let go, and each size is drawn from it.
TEST_F(BackgroundImageTest, APictureLargerThanTheScreenKeepsNoBlockOfItsFileSizeAtAnySize) {
  BackgroundImage image(Owner, SIZE{1024, 768});
  ASSERT_TRUE(image.Load(Wide(File("big.bmp", Quarters(4000, 3000).Build())).c_str()));
  for (int size : {Surface::kSize, Surface::kSize / 2}) {
    Surface surface;
    image.DrawStretched(surface.dc(), RECT{0, 0, size, size});
    EXPECT_TRUE(Near(surface.At(size * 3 / 4, size * 3 / 4), samples::kBottomRight)) << size;
    EXPECT_LT(LargestPrivateBlock(), SIZE_T(4000 * 3 * 3000)) << size;
  }
}
