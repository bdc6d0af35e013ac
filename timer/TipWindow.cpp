// Placeholder until the tooltip is built.
#include "timer/TipWindow.h"
TipWindow::TipWindow(HINSTANCE instance, HWND* slot)
    : HandleSlot(slot), Instance(instance), Owner(nullptr), ToolActive(false), Tool() {}
TipWindow::~TipWindow() { DestroyTip(); }
HWND TipWindow::CreateTip() { return *HandleSlot; }
BOOL TipWindow::DestroyTip() { return 0; }
void TipWindow::SyncTip() {}
void TipWindow::FillTool() {}
