#include "exposure/ExposureState.h"
#include "exposure/SessionClock.h"
#include "visual/Patterns.h"
#include "visual/VisualState.h"

VisualStateRecord VisualState;

namespace {

// The session's time at this tick, read once so that the frequency and the
// brightness of one frame belong to the same moment.
uint32_t tickElapsedMs;

// A session's light at time t: the frequency of block floor(t / 250 ms),
// which this tick alone writes while the session plays (the keys leave it
// alone then); otherwise the frequency the user set.
uint32_t TickFrequency() {
  const Session* session = LoadField(ExposureState.session);
  if (session == nullptr) return LoadField(ExposureState.frequency);
  tickElapsedMs = timeGetTime() - LoadField(ExposureState.startTimeMs);
  const uint32_t frequency = SessionBlockAtTime(*session, tickElapsedMs).frequency;
  StoreField(ExposureState.frequency, frequency);
  return frequency;
}

// The white, the grey and the pens alike, under a session's fades.
COLORREF Faded(COLORREF colour) {
  const Session* session = LoadField(ExposureState.session);
  return session == nullptr ? colour : FadedColour(colour, *session, tickElapsedMs);
}

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
  FillWindow(Faded(GreyColour(grey)));
}

void DrawDiscreteStrobe(uint32_t frequency) {
  VisualState.halfPeriod = DiscreteStrobeHalfPeriod(frequency);
  VisualState.strobeValue = AccumulateStrobePhase(VisualState.strobeValue, VisualState.halfPeriod);
  FillWindow(Faded(StrobeColour(VisualState.strobeFlag)));
  ToggleStrobeAtHalfPeriod(VisualState.strobeValue, VisualState.strobeFlag);
}

// A ring that cannot reach the surface is not drawn: on a large screen many
// rings enclose it wholly, and the arc call spends time on every point of a
// ring, on the surface or off it.
void DrawRing(int baseRadius) {
  const int centreX = VisualState.centreX, centreY = VisualState.centreY;
  const uint32_t radius = RingRadius(baseRadius, VisualState.shift);
  if (!RingReachesSurface(centreX, centreY, radius, FrameWidth(), FrameHeight())) return;
  MoveToEx(VisualState.memoryDc, RingStartX(centreX, baseRadius, VisualState.shift), centreY,
           nullptr);
  AngleArc(VisualState.memoryDc, centreX, centreY, radius, 0.0f, 360.0f);
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
  VisualState.whitePen = CreatePen(PS_SOLID, 1, Faded(White));
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
  const uint32_t frequency = TickFrequency();
  if (mode == VisualMode::SmoothStrobe) DrawSmoothStrobe(frequency);
  if (mode == VisualMode::DiscreteStrobe) DrawDiscreteStrobe(frequency);
  if (mode == VisualMode::Circles) DrawCircles(frequency);
  if (mode == VisualMode::Grid) DrawGrid(frequency);
  StoreField(ExposureState.frameCounter, LoadField(ExposureState.frameCounter) + 1);
  LeaveTick(VisualState.tickGate);
}
