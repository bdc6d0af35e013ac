#include "face/DigitalFace.h"
#include <new>
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "face/BackgroundImage.h"
#include "face/ClockPainter.h"
#include "face/LayeredSurface.h"
#include "timer/TickState.h"
#include "timer/rules/TimeText.h"

// The floating digits take their alpha from how much of each pixel the text
// covers: they are drawn anti-aliased whatever the desktop's font smoothing.
static BYTE WantedQuality() {
  return App->Flags.IsLayered() ? ANTIALIASED_QUALITY : DEFAULT_QUALITY;
}

DigitalFace::DigitalFace()
    : FontDirty(true), BrushDirty(true), FontSpec(nullptr), TextFont(nullptr),
      BackgroundBrush(nullptr) {}

DigitalFace::~DigitalFace() {
  ReleaseFont();
  ReleaseBrush();
}

void DigitalFace::EnsureFont() {
  BYTE quality = WantedQuality();
  // A switch into or out of the transparent display needs the other quality.
  if (!FontDirty && TextFont && FontSpec && FontSpec->lfQuality == quality) return;
  ReleaseFont();
  FontSpec = new (std::nothrow) LOGFONTA();
  if (!FontSpec) return;
  // Only face, height, weight and italics reach the clock's font; underline,
  // strike-out and the character set that the dialog may offer do not.
  const FontSetup& chosen = App->Font;
  lstrcpynA(FontSpec->lfFaceName, chosen.LogFont.lfFaceName, LF_FACESIZE);
  FontSpec->lfHeight = chosen.LogFont.lfHeight;
  FontSpec->lfWeight = chosen.FontBold ? FW_BOLD : FW_NORMAL;
  FontSpec->lfItalic = chosen.FontItalic ? 1 : 0;
  FontSpec->lfCharSet = SHIFTJIS_CHARSET;
  FontSpec->lfQuality = quality;
  TextFont = CreateFontIndirectA(FontSpec);
  FontDirty = false;
}

void DigitalFace::EnsureBrush() {
  if (!BrushDirty && BackgroundBrush) return;
  ReleaseBrush();
  BackgroundBrush = CreateSolidBrush(App->Font.BkColor());
  BrushDirty = false;
}

void DigitalFace::ReleaseFont() {
  if (TextFont) DeleteObject(TextFont);
  TextFont = nullptr;
  delete FontSpec;
  FontSpec = nullptr;
}

void DigitalFace::ReleaseBrush() {
  if (BackgroundBrush) DeleteObject(BackgroundBrush);
  BackgroundBrush = nullptr;
}

void DigitalFace::PaintBackground(HDC surface, const RECT& client) {
  // Transparent: no colour and no picture under the digits.
  if (App->Flags.Has(OnTransparent)) return;
  if (App->Flags.Has(OnBitmap) && App->Bitmap[0] != '\0') {
    if (Background) Background->DrawStretched(surface, client);
    return;
  }
  EnsureBrush();
  if (!BackgroundBrush) return;
  HGDIOBJ previous = SelectObject(surface, BackgroundBrush);
  FillRect(surface, &client, BackgroundBrush);
  SelectObject(surface, previous);
}

void DigitalFace::DrawLayered(LayeredSurface& surface, const RECT& client) {
  EnsureFont();
  char text[16];
  int length = static_cast<int>(
      FormatClockText(ClockTimeOf(Tick.TickTime), App->Flags.Has(OnSecond), text));
  surface.DrawFrame(client);
  surface.DrawDigits(TextFont, App->Font.FontColor(), text, length, client);
}

void DigitalFace::DrawTime(HDC surface, const RECT& client, bool measure, RECT* measureRect) {
  EnsureFont();
  // The private context keeps its mode between cycles: set it every time.
  SetBkMode(surface, TRANSPARENT);
  PaintBackground(surface, client);
  HGDIOBJ previousFont = TextFont ? SelectObject(surface, TextFont) : nullptr;
  SetTextColor(surface, App->Font.FontColor());

  char text[16];
  int length = static_cast<int>(
      FormatClockText(ClockTimeOf(Tick.TickTime), App->Flags.Has(OnSecond), text));
  if (measure) {
    DrawTextA(surface, text, length, measureRect, DT_CALCRECT | DT_SINGLELINE);
  } else {
    RECT box = client;
    DrawTextA(surface, text, length, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  if (previousFont) SelectObject(surface, previousFont);
}

int PaintDigital(HWND window, bool measure, RECT* measureRect) {
  if (!App->Digital) App->Digital = new (std::nothrow) DigitalFace();
  DigitalFace* face = App->Digital;
  if (!face) return 0;
  // The layered window shows only the picture it was given: a paint request
  // has nothing to draw.
  if (!measure && App->Flags.IsLayered()) {
    ValidateRect(window, nullptr);
    return 0;
  }

  PAINTSTRUCT paint;
  HDC surface = measure ? GetDC(window) : BeginPaint(window, &paint);
  if (!surface) return 0;
  RECT client;
  GetClientRect(window, &client);
  face->DrawTime(surface, client, measure, measureRect);
  if (measure) {
    ReleaseDC(window, surface);
    ValidateRect(window, nullptr);
    return -1;
  }
  EndPaint(window, &paint);
  return 0;
}

bool DrawLayeredDigits(HWND window) {
  if (!App->Digital) App->Digital = new (std::nothrow) DigitalFace();
  if (!App->Digital) return false;
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  // The picture covers the whole window, frame included.
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -outer.left, -outer.top);
  LayeredSurface surface(outer.right - outer.left, outer.bottom - outer.top);
  if (!surface.Ready()) return false;
  App->Digital->DrawLayered(surface, client);
  return surface.ShowOn(window);
}

void RedrawTransparentDigits(HWND window) {
  if (App->Flags.IsLayered()) {
    DrawLayeredDigits(window);
  } else {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
  }
}

LRESULT PaintFace(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!App->Flags.Has(OnAnalog)) return PaintDigital(window, false, nullptr);
  ClockPainter* painter = App->Analog;
  if (!painter) return DefWindowProcA(window, message, wParam, lParam);
  painter->BeginDrawing(true);
  Tick.MinuteChanged = true;
  painter->Draw(true);
  painter->EndDrawing();
  return 0;
}
