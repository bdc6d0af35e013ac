#include <gtest/gtest.h>
#include "face/rules/BitmapCheck.h"
#include "tests/fuzz/BitmapSamples.h"

using samples::Bytes;
using samples::Picture;
using samples::Quarters;

namespace {

const char* FaultName(BitmapFault f) {
  switch (f) {
    case BitmapFault::None: return "None";
    case BitmapFault::HeaderShort: return "HeaderShort";
    case BitmapFault::BadMagic: return "BadMagic";
    case BitmapFault::NoMemory: return "NoMemory";
    case BitmapFault::ShortRead: return "ShortRead";
    case BitmapFault::InfoHeaderSize: return "InfoHeaderSize";
    case BitmapFault::Damaged: return "Damaged";
    case BitmapFault::NoPixels: return "NoPixels";
    case BitmapFault::Unsupported: return "Unsupported";
  }
  return "?";
}

BitmapVerdict BlockVerdict(const Bytes& file) { return CheckBitmapFile(file.data(), file.size()); }

}  // namespace

// The same samples meet the real loader in win.background_image.
TEST(BitmapFileChecks, EverySampleGetsTheVerdictItsDamageCallsForAndKeepsInsideTheBlock) {
  for (const samples::Sample& s : samples::AllSamples()) {
    SCOPED_TRACE(s.Name);
    BitmapVerdict v = BlockVerdict(s.File);
    EXPECT_STREQ(FaultName(v.Fault), FaultName(s.Expected));
    if (v.Fault != BitmapFault::None) continue;
    uint64_t held = PlanBitmapRead(s.File.data(), s.File.size()).BlockSize;
    EXPECT_LE(v.ColorTableOffset + 4ull * v.ColorCount, held);
    EXPECT_LE(uint64_t{v.PixelOffset} + v.PixelSize, held);
    EXPECT_LE(uint64_t{v.PixelOffset} + v.SizeImage, held);
  }
}

TEST(BitmapFileChecks, FileHeaderNeedsFourteenBytesStartingWithBM) {
  Bytes good = Quarters(2, 2).Build();
  EXPECT_EQ(PlanBitmapRead(good.data(), 13).Fault, BitmapFault::HeaderShort);
  BitmapReadPlan plan = PlanBitmapRead(good.data(), 14);
  EXPECT_EQ(plan.Fault, BitmapFault::None);
  EXPECT_EQ(plan.BlockSize, good.size() - 14);
  EXPECT_EQ(plan.OffBits, samples::kTableAt);
  std::swap(good[0], good[1]);
  EXPECT_EQ(PlanBitmapRead(good.data(), good.size()).Fault, BitmapFault::BadMagic);
}

TEST(BitmapFileChecks, BlockSizeIsTheFileSizeWithoutItsHeaderWithinOneRead) {
  EXPECT_EQ(BlockSizeFor(0), 0u);
  EXPECT_EQ(BlockSizeFor(14), 0u);
  EXPECT_EQ(BlockSizeFor(15), 1u);
  EXPECT_EQ(BlockSizeFor(0x7FFFFFFFu + 14), 0x7FFFFFFFu);
  EXPECT_EQ(BlockSizeFor(0x7FFFFFFFu + 15), 0u);
  EXPECT_EQ(BlockSizeFor(0xFFFFFFFFu), 0u);
}

TEST(BitmapColourCount, FollowsBitCountUnlessTheHeaderGivesOne) {
  BitmapVerdict eight = BlockVerdict(Quarters(8, 4, 8).Build());
  EXPECT_EQ(eight.ColorCount, 256u);
  EXPECT_EQ(eight.ClrUsed, 256u);

  BitmapVerdict truecolour = BlockVerdict(Quarters(8, 4, 24).Build());
  EXPECT_EQ(truecolour.ColorCount, 0u);
  EXPECT_EQ(truecolour.ClrUsed, 0u);

  Picture four = Quarters(8, 4, 4);
  four.Palette.resize(6);
  four.ClrUsed = 6;
  BitmapVerdict six = BlockVerdict(four.Build());
  EXPECT_EQ(six.ColorCount, 6u);
  EXPECT_EQ(six.ClrUsed, 6u);

  Picture mono = Quarters(8, 4, 1);
  mono.ClrUsed = 0;
  EXPECT_EQ(BlockVerdict(mono.Build()).ColorCount, 2u);
}

TEST(BitmapPixelPlace, ZeroOffsetMeansRightAfterMasksAndColourTable) {
  Picture four = Quarters(8, 4, 4);  // 4 colours
  four.OffBitsZero = true;
  EXPECT_EQ(BlockVerdict(four.Build()).PixelOffset, 40u + 4 * 4);

  Picture fields = samples::WithBitFields(Quarters(8, 4, 16));
  fields.OffBitsZero = true;
  BitmapVerdict v = BlockVerdict(fields.Build());
  EXPECT_EQ(v.ColorTableOffset, 52u);
  EXPECT_EQ(v.PixelOffset, 52u);

  // A gap between the table and the pixels is honoured.
  Bytes gap = Quarters(8, 4).Build();
  gap.insert(gap.begin() + samples::kTableAt, 10, 0xEE);
  samples::Put32(gap, samples::kOffBitsAt, samples::kTableAt + 10);
  samples::Put32(gap, samples::kFileSizeAt, static_cast<uint32_t>(gap.size()));
  EXPECT_EQ(BlockVerdict(gap).PixelOffset, samples::kTableAt + 10 - 14);
}

TEST(BitmapPixelPlace, TopDownPicturesCountTheirRowsFromTheAbsoluteHeight) {
  BitmapVerdict up = BlockVerdict(Quarters(10, 6).Build());
  BitmapVerdict down = BlockVerdict(Quarters(10, -6).Build());
  EXPECT_FALSE(up.TopDown);
  EXPECT_TRUE(down.TopDown);
  EXPECT_EQ(down.Rows, 6u);
  EXPECT_EQ(down.Width, 10u);
  EXPECT_EQ(down.PixelSize, up.PixelSize);
  EXPECT_EQ(down.PixelSize, 32u * 6);  // 30 bytes padded to 32 per row
}

TEST(BitmapPixelPlace, StoredImageSizeIsFilledInAndNeverPointsPastTheBlock) {
  Bytes file = Quarters(10, 6).Build();
  EXPECT_EQ(BlockVerdict(file).SizeImage, 32u * 6);

  samples::Put32(file, samples::kSizeImageAt, 100);  // smaller than the rows: kept
  EXPECT_EQ(BlockVerdict(file).SizeImage, 100u);

  samples::Put32(file, samples::kSizeImageAt, 32 * 6 + 1);  // one byte past the end
  EXPECT_EQ(BlockVerdict(file).SizeImage, 32u * 6);

  samples::Put32(file, samples::kSizeImageAt, 0xFFFFFFFF);
  EXPECT_EQ(BlockVerdict(file).SizeImage, 32u * 6);
}

TEST(BitmapPixelPlace, PixelsMayEndExactlyAtTheBlocksEndButNotAByteLater) {
  Bytes file = Quarters(8, 4).Build();
  EXPECT_EQ(BlockVerdict(file).Fault, BitmapFault::None);
  samples::Put32(file, samples::kOffBitsAt, samples::kTableAt + 1);
  EXPECT_EQ(BlockVerdict(file).Fault, BitmapFault::Damaged);
  file.push_back(0);
  samples::Put32(file, samples::kFileSizeAt, static_cast<uint32_t>(file.size()));
  EXPECT_EQ(BlockVerdict(file).Fault, BitmapFault::None);
}

TEST(BitmapPixelArithmetic, RowsArePaddedToWholeWords) {
  uint32_t size = 0;
  ASSERT_TRUE(PixelDataSize(1, 33, 2, 1000, &size));
  EXPECT_EQ(size, 16u);  // 33 bits need two words
  ASSERT_TRUE(PixelDataSize(24, 1, 3, 1000, &size));
  EXPECT_EQ(size, 12u);  // 3 bytes padded to 4
  ASSERT_TRUE(PixelDataSize(4, 8, 5, 1000, &size));
  EXPECT_EQ(size, 20u);
}

TEST(BitmapPixelArithmetic, HugeSizesAreRefusedInsteadOfWrappingAround) {
  uint32_t size = 12345;
  EXPECT_FALSE(PixelDataSize(32, 0x7FFFFFFF, 0x7FFFFFFF, UINT64_MAX, &size));
  EXPECT_FALSE(PixelDataSize(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, UINT64_MAX, &size));
  // 0x40000000 rows of 4 bytes is exactly 2^32: one more than 32 bits hold.
  EXPECT_FALSE(PixelDataSize(32, 1, 0x40000000, UINT64_MAX, &size));
  EXPECT_EQ(size, 12345u);
  ASSERT_TRUE(PixelDataSize(32, 1, 0x3FFFFFFF, UINT64_MAX, &size));
  EXPECT_EQ(size, 0xFFFFFFFCu);
  EXPECT_TRUE(PixelDataSize(24, 4, 3, 36, &size));
  EXPECT_FALSE(PixelDataSize(24, 4, 3, 35, &size));
}

TEST(BitmapFaultOrder, TheNamedMessagesComeBeforeTheNewChecks) {
  // A V5 header too short to be one still gets the header-size message.
  Bytes v5 = samples::Truncated(Quarters(8, 4).Build(), 20);
  samples::Put32(v5, samples::kInfoSizeAt, 124);
  EXPECT_EQ(BlockVerdict(v5).Fault, BitmapFault::InfoHeaderSize);
}
