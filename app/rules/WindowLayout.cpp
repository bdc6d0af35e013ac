#include "app/rules/WindowLayout.h"

// 64-bit throughout: a stored Left near INT32_MAX must not wrap round.
static int64_t Right(const Placement& p) { return int64_t(p.Left) + p.Width; }
static int64_t Bottom(const Placement& p) { return int64_t(p.Top) + p.Height; }

// The length that [a0, a1) and [b0, b1) share, or minus the gap between them.
static int64_t Shared(int64_t a0, int64_t a1, int64_t b0, int64_t b1) {
  return (a1 < b1 ? a1 : b1) - (a0 > b0 ? a0 : b0);
}

size_t MonitorFor(Placement p, const ScreenRect* monitors, size_t count) {
  size_t best = 0;
  int64_t bestArea = 0;
  double bestGap = -1;
  for (size_t i = 0; i < count; ++i) {
    const ScreenRect& m = monitors[i];
    int64_t across = Shared(p.Left, Right(p), m.Left, m.Right);
    int64_t down = Shared(p.Top, Bottom(p), m.Top, m.Bottom);
    if (across > 0 && down > 0) {
      // Each shared side is no longer than the monitor's, far below 2^31 on
      // any real screen, so the area fits.
      if (across * down > bestArea) {
        bestArea = across * down;
        best = i;
      }
    } else if (bestArea == 0) {
      // Apart: the squared distance between the two rectangles.
      double gx = across < 0 ? double(-across) : 0.0;
      double gy = down < 0 ? double(-down) : 0.0;
      double gap = gx * gx + gy * gy;
      if (bestGap < 0 || gap < bestGap) {
        bestGap = gap;
        best = i;
      }
    }
  }
  return best;
}

Placement ClampPlacement(Placement p, const ScreenRect* monitors, size_t count) {
  if (p.Width < kMinimumSide) p.Width = kMinimumSide;
  if (p.Height < kMinimumSide) p.Height = kMinimumSide;
  if (count == 0) return p;
  const ScreenRect& m = monitors[MonitorFor(p, monitors, count)];
  int64_t left = p.Left;
  int64_t top = p.Top;
  if (left + p.Width > m.Right) left = int64_t(m.Right) - p.Width;
  if (top + p.Height > m.Bottom) top = int64_t(m.Bottom) - p.Height;
  if (left < m.Left) left = m.Left;
  if (top < m.Top) top = m.Top;
  p.Left = int32_t(left);
  p.Top = int32_t(top);
  return p;
}

StyleWords StylesFor(DisplayFlags flags) {
  StyleWords w{kStylePopupVisible, kExToolWindow};
  if (flags.Has(OnCaption)) w.Style |= kStyleCaption;
  if (flags.Has(OnBorder)) w.Style |= kStyleThickFrame;
  if (flags.Has(OnTop)) w.ExStyle |= kExTopmost;
  if (flags.IsLayered() || flags.IsColorKeyed()) w.ExStyle |= kExLayered;
  return w;
}

Placement PlacementInPixels(Placement stored, int32_t systemDpi, int32_t windowDpi) {
  const DpiScale place(systemDpi), size(windowDpi);
  return {place.ToPixels(stored.Left), place.ToPixels(stored.Top), size.ToPixels(stored.Width),
          size.ToPixels(stored.Height)};
}

Placement PlacementAsStored(Placement pixels, int32_t systemDpi, int32_t windowDpi) {
  const DpiScale place(systemDpi), size(windowDpi);
  return {place.ToFigure(pixels.Left), place.ToFigure(pixels.Top), size.ToFigure(pixels.Width),
          size.ToFigure(pixels.Height)};
}
