// The visual engine's own record: drawing surfaces and pattern state. Set up
// by the visual thread before the tick timer starts, used only by the tick
// while it runs, released after the timer is cancelled.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/MultimediaTimer.h"

struct VisualStateRecord {
  HDC windowDc;
  HDC memoryDc;
  HBITMAP frameBitmap;
  HBITMAP previousBitmap;
  RECT clientRect;
  int figureCount;
  double spacing;
  double shift;
  int centreX;
  int centreY;
  int8_t strobeFlag;
  double halfPeriod;
  double strobeValue;
  // Kept by each drawing tick between ClearFrame and PresentFrame.
  HGDIOBJ previousPen;
  HPEN whitePen;
  // Lets the thread wait for its own tick, and no other timer's, at the end.
  TickGate tickGate;
};

extern VisualStateRecord VisualState;

inline int FrameWidth() { return VisualState.clientRect.right; }
inline int FrameHeight() { return VisualState.clientRect.bottom; }

// The surfaces of one exposure, of the window's size and colour format, and
// the ring or grid layout; shared by the worker and the drawing benchmark.
void AcquireSurfaces();
void SetUpFigures(int count, double spacing);
void ReleaseSurfaces();

// The steps of a line-pattern frame, apart so that the drawing benchmark can
// time each: clear the surface (the white pen then stays selected), draw the
// figures at the current shift, copy the surface to the window.
void ClearFrame();
void DrawRings();
void DrawGridLines();
void PresentFrame();

void CALLBACK VisualTick(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR reserved1,
                         DWORD_PTR reserved2);
