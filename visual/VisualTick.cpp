#include "exposure/ExposureState.h"
#include "sound/SessionClock.h"
#include "visual/Patterns.h"
#include "visual/VisualState.h"

VisualStateRecord VisualState;

namespace {

// The session's frame at this tick, read once so that the frequency and the
// brightness of one frame belong to the same moment; the tick's own view of
// the clock, which never goes back.
uint64_t tickFrame;
ClockReader tickClock;

// Whether this tick shows a picture: not while the exposure is paused, nor,
// in a session, before its first sound is heard. A session's light is that
// of the frame heard now; the tick writes its frequency, which it alone
// writes while the session plays (the keys leave it alone then).
bool ReadTickTime() {
  if (LoadField(ExposureState.paused) == 1) return false;
  const Session* session = LoadField(ExposureState.session);
  if (session == nullptr) return true;
  if (!ReadSessionClock(LoadField(ExposureState.exposureNumber), timeGetTime(), tickClock,
                        tickFrame))
    return false;
  StoreField(ExposureState.frequency, SessionBlockAtFrame(*session, tickFrame).frequency);
  return true;
}

// The white, the grey and the pens alike, under a session's fades; a frame
// of another brightness is another frame, so it is drawn.
COLORREF Faded(COLORREF colour) {
  const Session* session = LoadField(ExposureState.session);
  return session == nullptr ? colour : FadedColour(colour, *session, tickFrame);
}

void FillWindow(COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ keptBrush = SelectObject(VisualState.windowDc, brush);
  PatBlt(VisualState.windowDc, 0, 0, FrameWidth(), FrameHeight(), PATCOPY);
  SelectObject(VisualState.windowDc, keptBrush);
  DeleteObject(brush);
}

// A tick whose frame is the one already on the screen draws nothing; it
// still advances the pattern, so the frames that are drawn, and the ticks at
// which they appear, stay those of a tick that draws every time.
bool FrameDue(const FrameKey& frame, uint32_t tickPeriodMs) {
  if (LoadField(VisualState.pictureLost) || VisualState.drawEveryTick) {
    // Cleared before drawing: a loss noticed from now on is after the draw.
    StoreField(VisualState.pictureLost, false);
    ForgetPresentedFrame(VisualState.presented);
  }
  if (!MustDrawFrame(VisualState.presented, frame, tickPeriodMs)) return false;
  VisualState.framesDrawn++;
  return true;
}

void DrawSmoothStrobe(uint32_t frequency) {
  VisualState.strobeValue = SmoothStrobeStep(frequency);
  const int grey = SmoothStrobeGrey(LoadField(ExposureState.frameCounter), VisualState.strobeValue);
  const FrameKey frame = FillFrameKey(Faded(GreyColour(grey)));
  if (FrameDue(frame, StrobeTickMs)) FillWindow(frame.colour);
}

void DrawDiscreteStrobe(uint32_t frequency) {
  VisualState.halfPeriod = DiscreteStrobeHalfPeriod(frequency);
  VisualState.strobeValue = AccumulateStrobePhase(VisualState.strobeValue, VisualState.halfPeriod);
  const FrameKey frame = FillFrameKey(Faded(StrobeColour(VisualState.strobeFlag)));
  if (FrameDue(frame, StrobeTickMs)) FillWindow(frame.colour);
  ToggleStrobeAtHalfPeriod(VisualState.strobeValue, VisualState.strobeFlag);
}

// A ring that cannot reach the surface is not drawn: on a large screen many
// rings enclose it wholly, and the arc call spends time on every point of a
// ring, on the surface or off it.
void DrawRing(int startX, uint32_t radius) {
  const int centreX = VisualState.centreX, centreY = VisualState.centreY;
  if (!RingReachesSurface(centreX, centreY, radius, FrameWidth(), FrameHeight())) return;
  MoveToEx(VisualState.memoryDc, startX, centreY, nullptr);
  AngleArc(VisualState.memoryDc, centreX, centreY, radius, 0.0f, 360.0f);
}

void DrawCircles(uint32_t frequency) {
  const FrameKey frame = RingFrame(Faded(White));
  const bool draw = FrameDue(frame, RingTickMs);
  if (draw) {
    ClearFrame(frame);
    DrawRings(frame);
  }
  VisualState.shift = NextRingShift(VisualState.shift, VisualState.spacing, frequency);
  if (draw) PresentFrame();
}

void DrawLine(int fromX, int fromY, int toX, int toY) {
  MoveToEx(VisualState.memoryDc, fromX, fromY, nullptr);
  LineTo(VisualState.memoryDc, toX, toY);
}

void DrawGrid(uint32_t frequency) {
  const FrameKey frame = GridFrame(Faded(White));
  const bool draw = FrameDue(frame, GridTickMs);
  if (draw) {
    ClearFrame(frame);
    DrawGridLines(frame);
  }
  VisualState.shift = NextGridShift(VisualState.shift, VisualState.spacing, frequency);
  if (draw) PresentFrame();
}

// A dark window, drawn once and then left alone as any unchanged frame is.
void DrawDark(uint32_t tickPeriodMs) {
  const FrameKey frame = FillFrameKey(Black);
  if (FrameDue(frame, tickPeriodMs)) FillWindow(frame.colour);
}

}  // namespace

void ForgetFramesDrawn() {
  ForgetPresentedFrame(VisualState.presented);
  VisualState.framesDrawn = 0;
}

void NoticePictureLost() { StoreField(VisualState.pictureLost, true); }

FrameKey RingFrame(uint32_t penColour) {
  return RingFrameKey(penColour, VisualState.centreX, VisualState.figureCount,
                      VisualState.spacing, VisualState.shift);
}

FrameKey GridFrame(uint32_t penColour) {
  return GridFrameKey(penColour, VisualState.centreX, VisualState.centreY,
                      VisualState.figureCount, VisualState.spacing, VisualState.shift);
}

// Leaves the frame's pen selected for the figures; PresentFrame releases it.
void ClearFrame(const FrameKey& frame) {
  HBRUSH blackBrush = CreateSolidBrush(Black);
  HGDIOBJ keptBrush = SelectObject(VisualState.memoryDc, blackBrush);
  VisualState.framePen = CreatePen(PS_SOLID, 1, frame.colour);
  VisualState.previousPen = SelectObject(VisualState.memoryDc, VisualState.framePen);
  PatBlt(VisualState.memoryDc, 0, 0, FrameWidth(), FrameHeight(), PATCOPY);
  SelectObject(VisualState.memoryDc, keptBrush);
  DeleteObject(blackBrush);
}

void PresentFrame() {
  StretchBlt(VisualState.windowDc, 0, 0, FrameWidth(), FrameHeight(), VisualState.memoryDc, 0, 0,
             FrameWidth(), FrameHeight(), SRCCOPY);
  SelectObject(VisualState.memoryDc, VisualState.previousPen);
  DeleteObject(VisualState.framePen);
}

// Per ring its start x and its radius.
void DrawRings(const FrameKey& frame) {
  for (int i = 0; i + 1 < frame.positionCount; i += 2) {
    DrawRing(frame.positions[i], static_cast<uint32_t>(frame.positions[i + 1]));
  }
}

// Per step the left and right columns, then the upper and lower rows.
void DrawGridLines(const FrameKey& frame) {
  for (int i = 0; i + 3 < frame.positionCount; i += 4) {
    const int leftX = frame.positions[i], rightX = frame.positions[i + 1];
    const int upperY = frame.positions[i + 2], lowerY = frame.positions[i + 3];
    DrawLine(leftX, 0, leftX, FrameHeight());
    DrawLine(rightX, 0, rightX, FrameHeight());
    DrawLine(0, upperY, FrameWidth(), upperY);
    DrawLine(0, lowerY, FrameWidth(), lowerY);
  }
}

void CALLBACK VisualTick(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
  if (!EnterTick(VisualState.tickGate)) return;
  const VisualMode mode = LoadField(ExposureState.visualMode);
  if (!ReadTickTime()) {
    // The pattern waits where it is; the window stays up, dark.
    if (mode != VisualMode::None) DrawDark(TickPeriodMs(mode));
    LeaveTick(VisualState.tickGate);
    return;
  }
  const uint32_t frequency = LoadField(ExposureState.frequency);
  if (mode == VisualMode::SmoothStrobe) DrawSmoothStrobe(frequency);
  if (mode == VisualMode::DiscreteStrobe) DrawDiscreteStrobe(frequency);
  if (mode == VisualMode::Circles) DrawCircles(frequency);
  if (mode == VisualMode::Grid) DrawGrid(frequency);
  StoreField(ExposureState.frameCounter, LoadField(ExposureState.frameCounter) + 1);
  LeaveTick(VisualState.tickGate);
}
