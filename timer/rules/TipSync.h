#pragma once

// What bringing the tooltip in line with the settings takes. The clock
// window is a tool of the tooltip exactly while the tooltip is wanted and
// the caption is hidden: with a caption, the title already shows the date.
enum class TipStep {
  Nothing,
  CreateWindow,   // no tooltip window yet; creating it registers the tool
  AddTool,
  RemoveTool,
};

TipStep TipSyncStep(bool onToolTip, bool onCaption, bool windowExists, bool toolActive);
