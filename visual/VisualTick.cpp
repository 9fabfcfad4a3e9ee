#include "exposure/ExposureState.h"
#include "sound/SessionClock.h"
#include "visual/Patterns.h"
#include "visual/SessionLight.h"
#include "visual/VisualState.h"

VisualStateRecord VisualState;

namespace {

// Whether this tick shows a picture: not while the exposure is paused, nor,
// in a session, before its first sound is heard. A session's light is that
// of the block of the frame heard.
bool ReadTickMoment() {
  if (LoadField(ExposureState.paused) == 1) return false;
  const Session* session = VisualState.session;
  if (session == nullptr) return true;
  TickMoment& moment = VisualState.moment;
  if (!ReadSessionClock(VisualState.exposure, timeGetTime(), moment.clock, moment.frame))
    return false;
  const ScheduledBlock block = SessionBlockAtFrame(*session, moment.frame);
  moment.segment = &session->segments[block.segment];
  StoreField(moment.frequency, block.frequency);
  return true;
}

// The frequency this tick shows: its session block's, else the one the
// program sets (the panel's controls and the arrow keys).
uint32_t TickFrequency() {
  if (VisualState.session == nullptr) return LoadField(ExposureState.frequency);
  return LoadField(VisualState.moment.frequency);
}

// The pattern this moment shows: its segment's in a session, else the one
// the timer runs.
VisualMode TickPattern() {
  if (VisualState.session == nullptr) return VisualState.pattern;
  return SegmentPattern(*VisualState.moment.segment, LoadField(ExposureState.visualMode));
}

// The moment calls for another pattern, which only the worker can arm.
// SetEvent never blocks, so the timer thread is not held up.
void AskForPattern(VisualMode wanted) {
  StoreField(VisualState.patternWanted, wanted);
  if (VisualState.patternChanged != nullptr) SetEvent(VisualState.patternChanged);
}

// The white, the grey and the pens alike, in a session's colour and
// brightness and under its fades; a frame of another colour is another
// frame, so it is drawn.
COLORREF Lit(COLORREF colour) {
  const Session* session = VisualState.session;
  if (session == nullptr) return colour;
  const TickMoment& moment = VisualState.moment;
  const uint32_t tinted = TintedColour(colour, moment.segment->colour, moment.segment->brightness);
  return FadedColour(tinted, *session, moment.frame);
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

// A dark window, drawn once and then left alone as any unchanged frame is:
// a session's segment without light while its window is up, and the window
// before the sound is heard or while paused.
void DrawDark(uint32_t tickPeriodMs) {
  const FrameKey frame = FillFrameKey(Black);
  if (FrameDue(frame, tickPeriodMs)) FillWindow(frame.colour);
}

void DrawSmoothStrobe(uint32_t frequency) {
  VisualState.strobeValue = SmoothStrobeStep(frequency);
  const int grey = SmoothStrobeGrey(LoadField(ExposureState.frameCounter), VisualState.strobeValue);
  const FrameKey frame = FillFrameKey(Lit(GreyColour(grey)));
  if (FrameDue(frame, StrobeTickMs)) FillWindow(frame.colour);
}

void DrawDiscreteStrobe(uint32_t frequency) {
  VisualState.halfPeriod = DiscreteStrobeHalfPeriod(frequency);
  VisualState.strobeValue = AccumulateStrobePhase(VisualState.strobeValue, VisualState.halfPeriod);
  const FrameKey frame = FillFrameKey(Lit(StrobeColour(VisualState.strobeFlag)));
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
  const FrameKey frame = RingFrame(Lit(White));
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
  const FrameKey frame = GridFrame(Lit(White));
  const bool draw = FrameDue(frame, GridTickMs);
  if (draw) {
    ClearFrame(frame);
    DrawGridLines(frame);
  }
  VisualState.shift = NextGridShift(VisualState.shift, VisualState.spacing, frequency);
  if (draw) PresentFrame();
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
  if (!ReadTickMoment()) {
    // The pattern waits where it is; a window that is up stays up, dark.
    if (VisualState.windowUp) DrawDark(PatternTickMs(VisualState.pattern, true));
    LeaveTick(VisualState.tickGate);
    return;
  }
  const uint32_t frequency = TickFrequency();
  const VisualMode mode = TickPattern();
  if (mode != VisualState.pattern) {
    // This timer's state is another pattern's: nothing is drawn until the
    // worker has armed the new one.
    AskForPattern(mode);
    LeaveTick(VisualState.tickGate);
    return;
  }
  if (mode == VisualMode::None && VisualState.windowUp) DrawDark(BlackTickMs);
  if (mode == VisualMode::SmoothStrobe) DrawSmoothStrobe(frequency);
  if (mode == VisualMode::DiscreteStrobe) DrawDiscreteStrobe(frequency);
  if (mode == VisualMode::Circles) DrawCircles(frequency);
  if (mode == VisualMode::Grid) DrawGrid(frequency);
  StoreField(ExposureState.frameCounter, LoadField(ExposureState.frameCounter) + 1);
  LeaveTick(VisualState.tickGate);
}
