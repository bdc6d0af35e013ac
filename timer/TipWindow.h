#pragma once
#include <windows.h>
#include <commctrl.h>

// The date tooltip: a standard tooltip window whose one tool is the clock
// window, registered while the tooltip is wanted and the caption hidden.
class TipWindow {
public:
  HWND* HandleSlot;
  HINSTANCE Instance;
  HWND Owner;
  bool ToolActive;

  TipWindow(HINSTANCE instance, HWND* handleSlot);
  ~TipWindow();
  TipWindow(const TipWindow&) = delete;
  TipWindow& operator=(const TipWindow&) = delete;

  // The tooltip window, with its tool when the tool is wanted (the tooltip
  // switched on and the caption, which shows the date, hidden).
  HWND CreateTip(bool toolWanted);
  BOOL DestroyTip();
  // Makes the window and the tool follow the two switches.
  void SyncTip(bool onToolTip, bool captionShown);

private:
  TOOLINFOW Tool;
  void FillTool();
};
