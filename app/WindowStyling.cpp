#include "app/WindowStyling.h"
#include "app/ClockApp.h"
#include "app/ClockFaces.h"
#include "app/ClockScale.h"
#include "app/FacePainting.h"
#include "app/Globals.h"
#include "app/MonitorList.h"
#include "app/rules/WindowLayout.h"
#include "face/ClockPainter.h"
#include "face/rules/LayeredPixels.h"
#include "timer/TickState.h"

// The style words' bits as the rules copy them, without <windows.h>.
static_assert(kStylePopupVisible == (WS_POPUP | WS_VISIBLE), "the pop-up style");
static_assert(kStyleCaption == (WS_CAPTION | WS_SYSMENU), "the caption style");
static_assert(kStyleThickFrame == WS_THICKFRAME, "the sizing frame");
static_assert(kExToolWindow == WS_EX_TOOLWINDOW, "the tool window");
static_assert(kExTopmost == WS_EX_TOPMOST, "the topmost band");
static_assert(kExLayered == WS_EX_LAYERED, "the layered window");

// The style bits that the options decide; the others (visible, pop-up) stay.
constexpr DWORD kSwitchedStyle = kStyleCaption | kStyleThickFrame;

// Gives the style word the switched bits of `wanted`; true when it changed.
static bool SetSwitchedStyle(HWND window, DWORD wanted) {
  const DWORD old = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const DWORD now = (old & ~kSwitchedStyle) | (wanted & kSwitchedStyle);
  if (now == old) return false;
  SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(now));
  return true;
}

// Applies changed style bits and brings the window to the top of its band.
static void FrameRefresh(HWND window) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

// The analog face follows the options: made or given up with the face
// switch, reshaped when its roundness changed, its second hand shown or not.
static void ApplyFace(HWND window, DisplayFlags before, DisplayFlags after) {
  if (before.Has(OnAnalog) != after.Has(OnAnalog)) {
    CreateFace(window);
    return;
  }
  if (before.IsShaped() != after.IsShaped()) ReshapeAnalog();
  if (App->Analog) App->Analog->ShowSecond = after.Has(OnSecond);
}

void ApplyDisplay(HWND window, DisplayFlags before, DisplayFlags after) {
  TickHold hold(Tick.Holds);
  const StyleWords was = StylesFor(before), now = StylesFor(after);
  const bool framed = SetSwitchedStyle(window, now.Style);
  // Layered or not, and by which means: a picture of its own or a colour key.
  const bool relayer = ((was.ExStyle ^ now.ExStyle) & kExLayered) != 0 ||
                       before.IsColorKeyed() != after.IsColorKeyed();
  const bool restyled = relayer && ApplyLayering(window);
  if (before.Has(OnCaption) != after.Has(OnCaption)) App->SyncTip();

  // The band, while the old face is still in place: a frame that changed
  // size sends the size message that fits the face (and its region) to it.
  if (!after.IsTransparentDigital()) {
    if (before.Has(OnTop) != after.Has(OnTop)) {
      SetWindowPos(window, after.Has(OnTop) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    } else if (framed || restyled) {
      FrameRefresh(window);
    }
  }
  ApplyFace(window, before, after);
  // The digits change width with the seconds and the 12-hour form: the
  // window follows them.
  if (!after.Has(OnAnalog) && ((before.Bits ^ after.Bits) & (OnSecond | OnHour12)) != 0)
    FitWindowToTime(window, false);
  // Whatever a new frame does to the window's rectangle, it stays on its
  // monitor's work area.
  if (framed) KeepOnMonitors(window);
  if (after.IsTransparentDigital()) {
    // A topmost state ends with the re-stacking at the bottom.
    PushToBottom(window);
  }
}

void PushToBottom(HWND window) {
  TickHold hold(Tick.Holds);
  SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

bool ApplyLayering(HWND window) {
  // Layered exactly when the style words that the window is made with are.
  const bool layered = (StylesFor(App->Flags).ExStyle & kExLayered) != 0;
  const DWORD old = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  const DWORD now = layered ? (old | WS_EX_LAYERED) : (old & ~WS_EX_LAYERED);
  // A layered window takes its look either from a picture of its own or
  // from a colour key, and takes the other kind only once its layering has
  // been switched off and on again.
  if (layered && (old & WS_EX_LAYERED))
    SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(old & ~WS_EX_LAYERED));
  if (now != old || layered) SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(now));
  GiveLayeredLook(window);
  return now != old;
}

void GiveLayeredLook(HWND window) {
  // A layered window shows nothing until it is given its picture or its key.
  if (App->Flags.IsLayered()) DrawLayeredDigits(window);
  if (App->Flags.IsColorKeyed()) ApplyColorKey(window);
}

void ApplyColorKey(HWND window) {
  SetLayeredWindowAttributes(window, KeyColorFor(App->Font.FontColor()), 0, LWA_COLORKEY);
  InvalidateRect(window, nullptr, FALSE);
}

// The window's size around a measured text, by FitWindowToText's rule.
static SIZE SizeAroundText(const RECT& text) {
  const DpiScale scale = ClockScale();
  SIZE size = {text.right - text.left + scale.ToPixels(32), text.bottom - text.top};
  if (App->Flags.Has(OnCaption)) size.cy += ClockCaptionHeight() + scale.ToPixels(8);
  return size;
}

void PlaceWindow(HWND window, const RECT& r) {
  const Placement p = PlaceOnMonitors({r.left, r.top, r.right - r.left, r.bottom - r.top});
  const bool bottom = App->Flags.IsTransparentDigital();
  SetWindowPos(window, bottom ? HWND_BOTTOM : nullptr, p.Left, p.Top, p.Width, p.Height,
               SWP_NOACTIVATE | (bottom ? SWP_FRAMECHANGED | SWP_SHOWWINDOW : SWP_NOZORDER));
}

void FitWindowToText(HWND window, const RECT& rect, bool fitWidth, bool fitHeight) {
  RECT w;
  if (!GetWindowRect(window, &w)) return;
  const SIZE around = SizeAroundText(rect);
  if (fitWidth) w.right = w.left + around.cx;
  if (fitHeight) w.bottom = w.top + around.cy;
  PlaceWindow(window, w);
}

void FitWindowToTime(HWND window, bool fitHeight) {
  if (PaintDigital(window, true, &TextRect) != 0) FitWindowToText(window, TextRect, true, fitHeight);
}

void GrowToHoldTime(HWND window) {
  RECT text = {}, w;
  if (PaintDigital(window, true, &text) == 0 || !GetWindowRect(window, &w)) return;
  const SIZE needed = SizeAroundText(text);
  const bool narrow = w.right - w.left < needed.cx, low = w.bottom - w.top < needed.cy;
  if (narrow || low) FitWindowToText(window, text, narrow, low);
}

void KeepOnMonitors(HWND window) {
  RECT w;
  if (GetWindowRect(window, &w)) PlaceWindow(window, w);
}
