#pragma once
#include <windows.h>

// The analog face: its geometry, brushes and pen, the window region of the
// round display, and a drawing surface that it opens and closes itself.
class ClockPainter {
public:
  int CenterX;
  int CenterY;
  int Radius;
  int ClientWidth;
  int ClientHeight;
  HRGN WindowRegion;     // owned by the window once handed over; never deleted here
  bool FullRedraw;
  HDC Surface;
  PAINTSTRUCT PaintRecord;
  bool FromPaint;
  HBRUSH FaceBrush;
  HBRUSH MarkBrush;
  HBRUSH HourBrush;
  HPEN SecondPen;
  HGDIOBJ SavedPen;
  HGDIOBJ SavedBrush;
  HWND Window;
  COLORREF FaceColor;
  COLORREF MarkColor;
  COLORREF HourColor;
  bool ShowSecond;
  POINT LastSecondHand[5];
  bool SecondHandShown;

  ClockPainter(HWND window, int clientWidth, int clientHeight);
  ~ClockPainter();
  ClockPainter(const ClockPainter&) = delete;
  ClockPainter& operator=(const ClockPainter&) = delete;

  bool BeginDrawing(bool fromPaint);
  void EndDrawing();
  void Draw(bool full);
  void SetFaceColor(COLORREF colour);

  void SelectPen(HGDIOBJ pen);
  void RestorePen(HPEN* slot);
  void SelectBrush(HGDIOBJ brush);
  void RestoreBrush(HBRUSH* slot);

  void Resize(int clientWidth, int clientHeight);
  void ApplyShape();

  void DrawFace();
  void DrawHourHand();
  void DrawMinuteHand();
  void DrawSecondHand(bool faceRedrawn);
  void DrawHand(const POINT* points, bool asLine);
};
