#include "face/DigitalFace.h"
#include "face/BackgroundImage.h"
#include "face/FontSetup.h"
#include "base/GdiScope.h"
#include "base/UiLanguage.h"
#include "res/resource.h"
#include "face/LayeredSurface.h"
#include "face/rules/LayeredPixels.h"
#include "base/rules/TimeText.h"

// The floating digits take their alpha from how much of each pixel the text
// covers: they are drawn anti-aliased whatever the desktop's font smoothing.
// Over a colour key they are not: an edge blended with the key colour would
// show as a fringe of it over the desktop.
static BYTE WantedQuality(const DisplayFlags& flags) {
  if (flags.IsColorKeyed()) return NONANTIALIASED_QUALITY;
  return flags.IsLayered() ? ANTIALIASED_QUALITY : DEFAULT_QUALITY;
}

// The time as the face writes it: with seconds, in the 12-hour form of the
// program's language, as the options ask.
int DigitalFace::ClockText(const ClockTime& t, const FaceScene& scene, wchar_t* text) const {
  return static_cast<int>(FormatClockText(t, scene.Flags.Has(OnSecond), text,
                                          scene.Flags.Has(OnHour12) ? &Halves : nullptr));
}

DigitalFace::DigitalFace()
    : FontDirty(true), BrushDirty(true), FontSpec(), TextFont(nullptr),
      BackgroundBrush(nullptr), BrushColor(0), Halves{UiText(IDS_AM), UiText(IDS_PM)} {}

DigitalFace::~DigitalFace() {
  ReleaseFont();
  ReleaseBrush();
}

void DigitalFace::EnsureFont(const FaceScene& scene) {
  BYTE quality = WantedQuality(scene.Flags);
  // A switch into or out of the transparent display needs the other quality.
  if (!FontDirty && TextFont && FontSpec.lfQuality == quality) return;
  ReleaseFont();
  FontSpec = LOGFONTW();
  // Only face, height, weight and italics reach the clock's font; underline,
  // strike-out and the character set that the dialog may offer do not.
  const FontSetup& chosen = *scene.Font;
  lstrcpynW(FontSpec.lfFaceName, chosen.LogFont.lfFaceName, LF_FACESIZE);
  FontSpec.lfHeight = chosen.LogFont.lfHeight;
  FontSpec.lfWeight = chosen.FontBold ? FW_BOLD : FW_NORMAL;
  FontSpec.lfItalic = chosen.FontItalic ? 1 : 0;
  // Any character set: the face is then taken by its name, and its ASCII
  // digits draw on every system. A set of one code page would make the
  // system pass over a face without it, for a face whose digits may not draw.
  FontSpec.lfCharSet = DEFAULT_CHARSET;
  FontSpec.lfQuality = quality;
  TextFont = CreateFontIndirectW(&FontSpec);
  FontDirty = false;
}

void DigitalFace::EnsureBrush(COLORREF color) {
  if (!BrushDirty && BackgroundBrush && BrushColor == color) return;
  ReleaseBrush();
  BackgroundBrush = CreateSolidBrush(color);
  BrushColor = color;
  BrushDirty = false;
}

void DigitalFace::ReleaseFont() {
  if (TextFont) DeleteObject(TextFont);
  TextFont = nullptr;
}

void DigitalFace::ReleaseBrush() {
  if (BackgroundBrush) DeleteObject(BackgroundBrush);
  BackgroundBrush = nullptr;
}

void DigitalFace::PaintBackground(HDC surface, const RECT& client, const FaceScene& scene) {
  // Transparent: no colour and no picture under the digits; with a caption
  // the ground is the key colour, through which the desktop shows.
  if (scene.Flags.IsColorKeyed()) {
    EnsureBrush(KeyColorFor(scene.Font->FontColor()));
    if (BackgroundBrush) FillRect(surface, &client, BackgroundBrush);
    return;
  }
  if (scene.Flags.Has(OnTransparent)) return;
  if (scene.UsesPicture) {
    if (scene.Picture) scene.Picture->DrawStretched(surface, client);
    return;
  }
  EnsureBrush(scene.Font->BkColor());
  if (BackgroundBrush) FillRect(surface, &client, BackgroundBrush);
}

void DigitalFace::DrawLayered(LayeredSurface& surface, const RECT& client,
                              const FaceScene& scene) {
  EnsureFont(scene);
  wchar_t text[kClockTextUnits];
  int length = ClockText(scene.Time, scene, text);
  surface.DrawFrame(client);
  surface.DrawDigits(TextFont, scene.Font->FontColor(), text, length, client);
}

void DigitalFace::DrawTime(HDC surface, const RECT& client, const FaceScene& scene, bool measure,
                           RECT* measureRect) {
  EnsureFont(scene);
  // The private context keeps its mode between cycles: set it every time.
  SetBkMode(surface, TRANSPARENT);
  PaintBackground(surface, client, scene);
  Selection font(surface, TextFont);
  SetTextColor(surface, scene.Font->FontColor());

  wchar_t text[kClockTextUnits];
  if (measure) {
    // Measured for the widest time the face can show, not the time now: a
    // window fitted to 9:59 would cut the 10:00 that follows.
    int digitWidths[10];
    if (!GetCharWidth32W(surface, L'0', L'9', digitWidths))
      for (int& w : digitWidths) w = 1;
    // In the 12-hour form, the same digits after either half's marker,
    // either of which may be the wider.
    const bool halfDay = scene.Flags.Has(OnHour12);
    ClockTime widest = WidestClockTime(digitWidths, halfDay);
    const RECT from = *measureRect;
    for (int half = 0; half < (halfDay ? 2 : 1); ++half) {
      RECT box = from;
      DrawTextW(surface, text, ClockText(widest, scene, text), &box, DT_CALCRECT | DT_SINGLELINE);
      if (half == 0 || box.right > measureRect->right) *measureRect = box;
      widest.Hour = uint16_t(widest.Hour + 12);
    }
  } else {
    int length = ClockText(scene.Time, scene, text);
    RECT box = client;
    DrawTextW(surface, text, length, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

