#pragma once
#include <windows.h>
#include "face/rules/AnalogGeometry.h"

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
  bool Borrowed;         // the surface belongs to the caller (a memory bitmap)
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
  HandPoints LastSecondHand;   // the exclusive-or line now on the screen
  bool SecondHandShown;

  ClockPainter(HWND window, int clientWidth, int clientHeight);
  ~ClockPainter();
  ClockPainter(const ClockPainter&) = delete;
  ClockPainter& operator=(const ClockPainter&) = delete;

  bool BeginDrawing(bool fromPaint);
  // Opens a cycle on a device context that the caller owns and keeps, such
  // as a memory bitmap; EndDrawing then only puts back what it selected.
  void BeginDrawingOn(HDC surface);
  void EndDrawing();
  void Draw(bool full);
  void SetFaceColor(COLORREF colour);

  void SelectPen(HGDIOBJ pen);
  void RestorePen(HPEN* slot);
  void SelectBrush(HGDIOBJ brush);
  void RestoreBrush(HBRUSH* slot);

  void Resize(int clientWidth, int clientHeight);
  void ApplyShape();

  FaceGeometry Geometry() const { return FaceGeometry{CenterX, CenterY, Radius}; }
  void DrawFace();
  void DrawHourHand();
  void DrawMinuteHand();
  void DrawSecondHand(bool faceRedrawn);
  void DrawHand(const HandPoints& points, bool asLine);

private:
  void SelectFirst(HGDIOBJ object, HGDIOBJ* saved);
  void PutBack(HGDIOBJ* saved);
  bool UsesPicture() const;
  void DrawBackgroundPicture();
};
