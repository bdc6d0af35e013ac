#include "timer/TipWindow.h"
#include "timer/rules/TipSync.h"

TipWindow::TipWindow(HINSTANCE instance)
    : Handle(nullptr), Instance(instance), Owner(nullptr), ToolActive(false), Tool() {}

TipWindow::~TipWindow() { DestroyTip(); }

// The whole clock window is the one tool; the tooltip watches its mouse
// messages itself and asks the window for the text each time it comes up.
void TipWindow::FillTool() {
  ZeroMemory(&Tool, sizeof Tool);
  Tool.cbSize = TTTOOLINFOW_V2_SIZE;
  Tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  Tool.hwnd = Owner;
  Tool.uId = reinterpret_cast<UINT_PTR>(Owner);
  Tool.hinst = Instance;
  Tool.lpszText = LPSTR_TEXTCALLBACKW;
  Tool.lParam = 0;
}

HWND TipWindow::CreateTip(bool toolWanted) {
  if (Handle) return Handle;
  // The tooltip class comes with the common controls, loaded on this first use.
  InitCommonControls();
  // Always-tip: the date shows even while the clock is not the active window.
  HWND tip = CreateWindowExW(WS_EX_TOOLWINDOW, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, Owner, nullptr, Instance, nullptr);
  FillTool();
  if (tip && toolWanted) {
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Tool));
    ToolActive = true;
  }
  Handle = tip;
  return tip;
}

BOOL TipWindow::DestroyTip() {
  if (!Handle) return 0;
  BOOL done = DestroyWindow(Handle);
  Handle = nullptr;
  // The tool went with the window.
  ToolActive = false;
  return done;
}

void TipWindow::SyncTip(bool onToolTip, bool captionShown) {
  TipStep step = TipSyncStep(onToolTip, captionShown, Handle != nullptr, ToolActive);
  switch (step) {
    case TipStep::Nothing: break;
    case TipStep::CreateWindow: CreateTip(onToolTip && !captionShown); break;
    case TipStep::AddTool:
      FillTool();
      SendMessageW(Handle, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Tool));
      ToolActive = true;
      break;
    case TipStep::RemoveTool:
      if (Handle) SendMessageW(Handle, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&Tool));
      ToolActive = false;
      break;
  }
}
