#include "exposure/ExposureState.h"
#include "visual/Patterns.h"
#include "visual/VisualState.h"

VisualStateRecord VisualState;

namespace {

void FillWindow(COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ keptBrush = SelectObject(VisualState.windowDc, brush);
  PatBlt(VisualState.windowDc, 0, 0, FrameWidth(), FrameHeight(), PATCOPY);
  SelectObject(VisualState.windowDc, keptBrush);
  DeleteObject(brush);
}

void DrawSmoothStrobe(uint32_t frequency) {
  VisualState.strobeValue = SmoothStrobeStep(frequency);
  const int grey = SmoothStrobeGrey(LoadField(ExposureState.frameCounter), VisualState.strobeValue);
  FillWindow(GreyColour(grey));
}

void DrawDiscreteStrobe(uint32_t frequency) {
  VisualState.halfPeriod = DiscreteStrobeHalfPeriod(frequency);
  VisualState.strobeValue = AccumulateStrobePhase(VisualState.strobeValue, VisualState.halfPeriod);
  FillWindow(StrobeColour(VisualState.strobeFlag));
  ToggleStrobeAtHalfPeriod(VisualState.strobeValue, VisualState.strobeFlag);
}

// Only the parts of the ring that can reach the surface are drawn: on a
// large screen most rings lie wholly or mostly beyond it, and the arc call
// spends time on every point of a ring, on the surface or off it.
void DrawRing(int baseRadius) {
  const int centreX = VisualState.centreX, centreY = VisualState.centreY;
  const uint32_t radius = RingRadius(baseRadius, VisualState.shift);
  const RingArcs parts = RingArcsOnSurface(centreX, centreY, radius, FrameWidth(), FrameHeight());
  for (int i = 0; i < parts.count; i++) {
    const RingArc& arc = parts.arcs[i];
    // An arc from 0 starts where the whole ring does, so the line that the
    // arc call draws first has the same two ends.
    const ArcPoint start =
        arc.startDegrees == 0.0f
            ? ArcPoint{RingStartX(centreX, baseRadius, VisualState.shift), centreY}
            : ArcStartPoint(centreX, centreY, radius, arc.startDegrees);
    MoveToEx(VisualState.memoryDc, start.x, start.y, nullptr);
    AngleArc(VisualState.memoryDc, centreX, centreY, radius, arc.startDegrees, arc.sweepDegrees);
  }
}

void DrawCircles(uint32_t frequency) {
  ClearFrame();
  DrawRings();
  VisualState.shift = NextRingShift(VisualState.shift, VisualState.spacing, frequency);
  PresentFrame();
}

void DrawLine(int fromX, int fromY, int toX, int toY) {
  MoveToEx(VisualState.memoryDc, fromX, fromY, nullptr);
  LineTo(VisualState.memoryDc, toX, toY);
}

void DrawGrid(uint32_t frequency) {
  ClearFrame();
  DrawGridLines();
  VisualState.shift = NextGridShift(VisualState.shift, VisualState.spacing, frequency);
  PresentFrame();
}

}  // namespace

// Leaves the white pen selected for the figures; PresentFrame releases it.
void ClearFrame() {
  HBRUSH blackBrush = CreateSolidBrush(Black);
  HGDIOBJ keptBrush = SelectObject(VisualState.memoryDc, blackBrush);
  VisualState.whitePen = CreatePen(PS_SOLID, 1, White);
  VisualState.previousPen = SelectObject(VisualState.memoryDc, VisualState.whitePen);
  PatBlt(VisualState.memoryDc, 0, 0, FrameWidth(), FrameHeight(), PATCOPY);
  SelectObject(VisualState.memoryDc, keptBrush);
  DeleteObject(blackBrush);
}

void PresentFrame() {
  StretchBlt(VisualState.windowDc, 0, 0, FrameWidth(), FrameHeight(), VisualState.memoryDc, 0, 0,
             FrameWidth(), FrameHeight(), SRCCOPY);
  SelectObject(VisualState.memoryDc, VisualState.previousPen);
  DeleteObject(VisualState.whitePen);
}

void DrawRings() {
  int baseRadius = 0;
  for (int ring = 1; ring <= VisualState.figureCount; ring++) {
    DrawRing(baseRadius);
    baseRadius = NextFigureDistance(baseRadius, VisualState.spacing);
  }
}

void DrawGridLines() {
  int distance = 0;
  for (int step = 1; step <= VisualState.figureCount; step++) {
    const GridStepLines lines =
        GridLinesAt(VisualState.centreX, VisualState.centreY, distance, VisualState.shift);
    DrawLine(lines.leftX, 0, lines.leftX, FrameHeight());
    DrawLine(lines.rightX, 0, lines.rightX, FrameHeight());
    DrawLine(0, lines.upperY, FrameWidth(), lines.upperY);
    DrawLine(0, lines.lowerY, FrameWidth(), lines.lowerY);
    distance = NextFigureDistance(distance, VisualState.spacing);
  }
}

void CALLBACK VisualTick(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
  if (!EnterTick(VisualState.tickGate)) return;
  const VisualMode mode = LoadField(ExposureState.visualMode);
  const uint32_t frequency = LoadField(ExposureState.frequency);
  if (mode == VisualMode::SmoothStrobe) DrawSmoothStrobe(frequency);
  if (mode == VisualMode::DiscreteStrobe) DrawDiscreteStrobe(frequency);
  if (mode == VisualMode::Circles) DrawCircles(frequency);
  if (mode == VisualMode::Grid) DrawGrid(frequency);
  StoreField(ExposureState.frameCounter, LoadField(ExposureState.frameCounter) + 1);
  LeaveTick(VisualState.tickGate);
}
