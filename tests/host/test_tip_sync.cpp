#include <gtest/gtest.h>
#include "timer/rules/TipSync.h"

// The tool is registered exactly while the tooltip is wanted and the caption
// is hidden; a window once made is reused.
TEST(TipSync, EveryStateOfSettingsWindowAndToolLeadsToTheRightStep) {
  for (int n = 0; n < 16; ++n) {
    bool tip = n & 1, caption = n & 2, window = n & 4, active = n & 8;
    TipStep step = TipSyncStep(tip, caption, window, active);
    SCOPED_TRACE(testing::Message() << "tip " << tip << " caption " << caption << " window "
                                    << window << " active " << active);
    bool wanted = tip && !caption;
    if (wanted && !window) {
      EXPECT_EQ(step, TipStep::CreateWindow);
    } else if (wanted && !active) {
      EXPECT_EQ(step, TipStep::AddTool);
    } else if (!wanted && active && (window || !tip)) {
      EXPECT_EQ(step, TipStep::RemoveTool);
    } else {
      EXPECT_EQ(step, TipStep::Nothing);
    }
  }
}

TEST(TipSync, ShowingTheCaptionRemovesTheToolAndHidingItBringsItBackWithoutANewWindow) {
  EXPECT_EQ(TipSyncStep(true, true, true, true), TipStep::RemoveTool);
  EXPECT_EQ(TipSyncStep(true, false, true, false), TipStep::AddTool);
  EXPECT_EQ(TipSyncStep(false, false, true, true), TipStep::RemoveTool);
  EXPECT_EQ(TipSyncStep(false, false, true, false), TipStep::Nothing);
}
