#include "timer/rules/TipSync.h"

TipStep TipSyncStep(bool onToolTip, bool onCaption, bool windowExists, bool toolActive) {
  if (!onToolTip) return toolActive ? TipStep::RemoveTool : TipStep::Nothing;
  if (onCaption) return windowExists && toolActive ? TipStep::RemoveTool : TipStep::Nothing;
  if (!windowExists) return TipStep::CreateWindow;
  return toolActive ? TipStep::Nothing : TipStep::AddTool;
}
