#pragma once
#include <windows.h>
#include <commctrl.h>

// The date tooltip: a standard tooltip window whose one tool is the clock
// window, registered while the tooltip is wanted and the caption hidden.
class TipWindow {
public:
  HWND Handle;   // the tooltip window; null while there is none
  HINSTANCE Instance;
  HWND Owner;
  bool ToolActive;

  explicit TipWindow(HINSTANCE instance);
  ~TipWindow();
  TipWindow(const TipWindow&) = delete;
  TipWindow& operator=(const TipWindow&) = delete;

  // The tooltip window, made and kept in Handle unless it exists already,
  // with its tool when the tool is wanted (the tooltip switched on and the
  // caption, which shows the date, hidden).
  HWND CreateTip(bool toolWanted);
  BOOL DestroyTip();
  // Makes the window and the tool follow the two switches.
  void SyncTip(bool onToolTip, bool captionShown);

private:
  TOOLINFOW Tool;
  void FillTool();
};
