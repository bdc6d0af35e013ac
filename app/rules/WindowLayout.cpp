#include "app/rules/WindowLayout.h"

Placement ClampPlacement(Placement p, int32_t screenWidth, int32_t screenHeight) {
  if (p.Width < 16) p.Width = 16;
  if (p.Height < 16) p.Height = 16;
  // 64-bit sums: a stored Left near INT32_MAX must not wrap round.
  if (int64_t(p.Left) + p.Width > screenWidth) p.Left = screenWidth - p.Width;
  if (int64_t(p.Top) + p.Height > screenHeight) p.Top = screenHeight - p.Height;
  if (p.Left < 0) p.Left = 0;
  if (p.Top < 0) p.Top = 0;
  return p;
}

StyleWords StylesFor(DisplayFlags flags) {
  StyleWords w{kStylePopupVisible, kExToolWindow};
  if (flags.Has(OnCaption)) w.Style |= kStyleCaption;
  if (flags.Has(OnBorder)) w.Style |= kStyleThickFrame;
  if (flags.Has(OnTop)) w.ExStyle |= kExTopmost;
  if (flags.IsLayered()) w.ExStyle |= kExLayered;
  return w;
}
