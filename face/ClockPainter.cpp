#include "face/ClockPainter.h"
#include "face/BackgroundImage.h"
#include "base/GdiScope.h"

constexpr COLORREF kMarkColor = 0x00800000;     // navy
constexpr COLORREF kHourColor = 0x00C00000;     // blue
constexpr COLORREF kSecondColor = 0x00FFFF00;   // cyan, before the exclusive-or

static POINT ToPoint(FacePoint p) { return POINT{p.X, p.Y}; }

// --- construction -----------------------------------------------------------

ClockPainter::ClockPainter(HWND window, int clientWidth, int clientHeight, COLORREF faceColor,
                           bool showSecond, bool shaped)
    : CenterX(0), CenterY(0), Radius(0), ClientWidth(0), ClientHeight(0),
      WindowRegion(nullptr), FullRedraw(true), Surface(nullptr), Borrowed(false),
      FaceBrush(nullptr), MarkBrush(nullptr),
      HourBrush(nullptr), SecondPen(nullptr), SavedPen(nullptr), SavedBrush(nullptr),
      Window(window), FaceColor(faceColor), MarkColor(kMarkColor),
      HourColor(kHourColor), ShowSecond(showSecond), LastSecondHand(),
      SecondHandShown(false), Time() {
  FaceBrush = CreateSolidBrush(FaceColor);
  MarkBrush = CreateSolidBrush(MarkColor);
  HourBrush = CreateSolidBrush(HourColor);
  SecondPen = CreatePen(PS_SOLID, 1, kSecondColor);
  Resize(clientWidth, clientHeight, shaped);
}

ClockPainter::~ClockPainter() {
  if (WindowRegion) {
    // The window owns the region and releases it when it gets another one.
    SetWindowRgn(Window, nullptr, TRUE);
    WindowRegion = nullptr;
  }
  RestoreBrush(&FaceBrush);
  RestoreBrush(&MarkBrush);
  RestoreBrush(&HourBrush);
  RestorePen(&SecondPen);
}

// --- drawing surface ----------------------------------------------------------

bool ClockPainter::BeginDrawing() {
  Borrowed = false;
  Surface = GetDC(Window);
  // The window's device context is private: whatever the last cycle left
  // (the digital face's transparent mode, say) is still set.
  if (Surface) SetBkMode(Surface, OPAQUE);
  return Surface != nullptr;
}

void ClockPainter::BeginDrawingOn(HDC surface) {
  Borrowed = true;
  Surface = surface;
  if (Surface) SetBkMode(Surface, OPAQUE);
}

void ClockPainter::EndDrawing() {
  if (Surface) {
    RestoreBrush(nullptr);
    RestorePen(nullptr);
    if (!Borrowed) {
      ReleaseDC(Window, Surface);
      // Drawn outside a paint request: nothing is left to paint.
      ValidateRect(Window, nullptr);
    }
    Surface = nullptr;
    Borrowed = false;
  }
}

// --- selection rule -----------------------------------------------------------
// The first object displaced of each kind in a cycle is what the surface had
// before; only that one is put back, whatever was selected in between.

void ClockPainter::SelectFirst(HGDIOBJ object, HGDIOBJ* saved) {
  if (!object || !Surface) return;
  HGDIOBJ previous = SelectObject(Surface, object);
  if (!*saved) *saved = previous;
}

void ClockPainter::PutBack(HGDIOBJ* saved) {
  if (!*saved) return;
  if (Surface) SelectObject(Surface, *saved);
  *saved = nullptr;
}

// The object kept in a slot is deleted once it is no longer selected.
template <class Handle>
static void DeleteSlot(Handle* slot) {
  if (!slot) return;
  if (*slot) DeleteObject(*slot);
  *slot = nullptr;
}

void ClockPainter::SelectPen(HGDIOBJ pen) { SelectFirst(pen, &SavedPen); }

void ClockPainter::RestorePen(HPEN* slot) {
  PutBack(&SavedPen);
  DeleteSlot(slot);
}

void ClockPainter::SelectBrush(HGDIOBJ brush) { SelectFirst(brush, &SavedBrush); }

void ClockPainter::RestoreBrush(HBRUSH* slot) {
  PutBack(&SavedBrush);
  DeleteSlot(slot);
}

void ClockPainter::SetFaceColor(COLORREF color) {
  FaceColor = color;
  RestoreBrush(&FaceBrush);
  FaceBrush = CreateSolidBrush(FaceColor);
  SelectBrush(FaceBrush);
}

// --- the cycle ------------------------------------------------------------------

void ClockPainter::DrawBackgroundPicture(BackgroundImage& picture) {
  RECT all = {0, 0, ClientWidth, ClientHeight};
  picture.DrawStretched(Surface, all);
}

void ClockPainter::Draw(const FaceScene& scene, bool full) {
  Time = scene.Time;
  if (!Surface && !BeginDrawing()) return;
  bool whole = FullRedraw || full;
  if (whole) {
    // The picture replaces the disc and the marks; only the hands go over it.
    if (scene.UsesPicture) {
      if (scene.Picture) DrawBackgroundPicture(*scene.Picture);
    } else {
      DrawFace();
    }
    DrawHourHand();
    DrawMinuteHand();
  }
  if (ShowSecond) DrawSecondHand(whole);
  FullRedraw = false;
  EndDrawing();
}

// --- figures --------------------------------------------------------------------

void ClockPainter::DrawHand(const HandPoints& points, bool asLine) {
  MoveToEx(Surface, points.Tip.X, points.Tip.Y, nullptr);
  if (asLine) {
    LineTo(Surface, points.TailEnd.X, points.TailEnd.Y);
    return;
  }
  POINT corners[4] = {ToPoint(points.Tip), ToPoint(points.LeftSide), ToPoint(points.Tail),
                      ToPoint(points.RightSide)};
  GdiObject<HRGN> shape(CreatePolygonRgn(corners, 4, WINDING));
  // Painted without an outline: the hand is exactly the region.
  if (shape.get()) PaintRgn(Surface, shape.get());
}

void ClockPainter::DrawFace() {
  SelectBrush(FaceBrush);
  GdiObject<HRGN> disc(CreateEllipticRgn(CenterX - Radius, CenterY - Radius, CenterX + Radius,
                                          CenterY + Radius));
  if (disc.get()) PaintRgn(Surface, disc.get());
  // Outlined with the surface's own pen: every cycle puts back what it
  // found, so that is the default black pen of the private context.
  SelectBrush(MarkBrush);
  FaceGeometry face = Geometry();
  for (int position = 0; position < 60; position += 5) {
    MarkRect m = MarkRectAt(face, position);
    Rectangle(Surface, m.Left, m.Top, m.Right, m.Bottom);
  }
}

void ClockPainter::DrawHourHand() {
  int position = HourHandPosition(Time.Hour, Time.Minute);
  HandPoints hand = HandShape(Geometry(), position, HandKind::Hour);
  SelectBrush(HourBrush);
  DrawHand(hand, false);
}

void ClockPainter::DrawMinuteHand() {
  HandPoints hand = HandShape(Geometry(), Time.Minute, HandKind::Minute);
  SelectBrush(MarkBrush);
  DrawHand(hand, false);
}

// Exclusive-or: drawing the same line twice gives back the face under it, so
// the hand moves every second by two short lines instead of a redrawn face.
void ClockPainter::DrawSecondHand(bool faceRedrawn) {
  SetROP2(Surface, R2_XORPEN);
  SelectPen(SecondPen);
  // A face just painted over the old line has already taken it away.
  if (SecondHandShown && !faceRedrawn) DrawHand(LastSecondHand, true);
  LastSecondHand = HandShape(Geometry(), Time.Second, HandKind::Second);
  DrawHand(LastSecondHand, true);
  SecondHandShown = true;
  SetROP2(Surface, R2_COPYPEN);
}

// --- window shape -----------------------------------------------------------------

void ClockPainter::Resize(int clientWidth, int clientHeight, bool shaped) {
  ClientWidth = clientWidth;
  ClientHeight = clientHeight;
  FaceGeometry face = GeometryForClient(clientWidth, clientHeight);
  CenterX = face.CenterX;
  CenterY = face.CenterY;
  Radius = face.Radius;
  ApplyShape(shaped);
}

void ClockPainter::ApplyShape(bool shaped) {
  if (shaped) {
    // Rebuilt on every call: the disc follows the window's size.
    GdiObject<HRGN> disc(CreateEllipticRgn(CenterX - Radius, CenterY - Radius, CenterX + Radius,
                                            CenterY + Radius));
    if (disc.get() && SetWindowRgn(Window, disc.get(), TRUE)) {
      WindowRegion = disc.release();   // the window's from now on
    } else {
      // Not handed over, so still ours: the owner deletes it.
      if (WindowRegion) SetWindowRgn(Window, nullptr, TRUE);
      WindowRegion = nullptr;
    }
  } else if (WindowRegion) {
    SetWindowRgn(Window, nullptr, TRUE);
    WindowRegion = nullptr;
  }
  InvalidateRect(Window, nullptr, TRUE);
  UpdateWindow(Window);
}
