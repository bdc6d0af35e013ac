#include <gtest/gtest.h>
#include "timer/rules/TipSync.h"

// The tool is registered exactly while the tooltip is wanted and the caption
// is hidden: whatever the state, the step brings the tool in line, makes a
// window only where there is none, and does nothing where all is in line.
TEST(TipSync, EveryStateOfSettingsWindowAndToolLeadsToTheRightStep) {
  for (int n = 0; n < 16; ++n) {
    bool tip = n & 1, caption = n & 2, window = n & 4, active = n & 8;
    TipStep step = TipSyncStep(tip, caption, window, active);
    SCOPED_TRACE(testing::Message() << "tip " << tip << " caption " << caption << " window "
                                    << window << " active " << active);
    if (active && !window) {
      // A tool without a window cannot be; should the flag say so, only the
      // settings count: a wanted tooltip gets its window, an unwanted one is
      // removed, one hidden by the caption is left alone.
      EXPECT_EQ(step, !tip ? TipStep::RemoveTool
                           : caption ? TipStep::Nothing : TipStep::CreateWindow);
      continue;
    }
    bool wanted = tip && !caption;
    bool activeAfter = step == TipStep::CreateWindow || step == TipStep::AddTool ||
                       (active && step != TipStep::RemoveTool);
    EXPECT_EQ(activeAfter, wanted);
    EXPECT_EQ(step == TipStep::Nothing, active == wanted);
    if (step == TipStep::CreateWindow) {
      EXPECT_FALSE(window) << "a window once made is reused";
    } else if (step != TipStep::Nothing) {
      EXPECT_TRUE(window) << "a tool is added to or removed from an existing window";
    }
  }
}

TEST(TipSync, ShowingTheCaptionRemovesTheToolAndHidingItBringsItBackWithoutANewWindow) {
  EXPECT_EQ(TipSyncStep(true, true, true, true), TipStep::RemoveTool);
  EXPECT_EQ(TipSyncStep(true, false, true, false), TipStep::AddTool);
  EXPECT_EQ(TipSyncStep(false, false, true, true), TipStep::RemoveTool);
  EXPECT_EQ(TipSyncStep(false, false, true, false), TipStep::Nothing);
}
