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

  HWND CreateTip();
  BOOL DestroyTip();
  void SyncTip();

private:
  TOOLINFOA Tool;
  void FillTool();
};
