#pragma once
#include <windows.h>
#include "face/FaceScene.h"
#include "face/rules/AnalogGeometry.h"

class BackgroundImage;

// The analog face: its geometry, brushes and pen, the window region of the
// round display, and the surface of a drawing cycle: the window's own for a
// tick, or one that the caller owns (a paint request, a memory bitmap).
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
  bool Borrowed;         // the surface belongs to the caller
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
  ClockTime Time;              // the time that the hands of this cycle show

  // `shaped`: the window takes the round shape of the face.
  ClockPainter(HWND window, int clientWidth, int clientHeight, COLORREF faceColor,
               bool showSecond, bool shaped);
  ~ClockPainter();
  ClockPainter(const ClockPainter&) = delete;
  ClockPainter& operator=(const ClockPainter&) = delete;

  // Opens a cycle on the window's device context, outside a paint request.
  bool BeginDrawing();
  // Opens a cycle on a device context that the caller owns and keeps, such
  // as a paint request's or a memory bitmap's; EndDrawing then only puts
  // back what it selected.
  void BeginDrawingOn(HDC surface);
  void EndDrawing();
  // Draws the scene's time, over its picture if it has one; `full` asks for
  // the whole face instead of the second hand alone.
  void Draw(const FaceScene& scene, bool full);
  void SetFaceColor(COLORREF color);

  void SelectPen(HGDIOBJ pen);
  void RestorePen(HPEN* slot);
  void SelectBrush(HGDIOBJ brush);
  void RestoreBrush(HBRUSH* slot);

  // Fits the face to the client; the window's shape and a repaint follow.
  void Resize(int clientWidth, int clientHeight, bool shaped);
  // Gives the window the round region of the face, or none, and repaints it.
  void ApplyShape(bool shaped);

  FaceGeometry Geometry() const { return FaceGeometry{CenterX, CenterY, Radius}; }
  void DrawFace();
  void DrawHourHand();
  void DrawMinuteHand();
  void DrawSecondHand(bool faceRedrawn);
  void DrawHand(const HandPoints& points, bool asLine);

private:
  void SelectFirst(HGDIOBJ object, HGDIOBJ* saved);
  void PutBack(HGDIOBJ* saved);
  void DrawBackgroundPicture(BackgroundImage& picture);
};
