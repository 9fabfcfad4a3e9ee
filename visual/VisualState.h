// The visual engine's own record: drawing surfaces and pattern state. Set up
// by the visual thread before the tick timer starts, used only by the tick
// while it runs, released after the timer is cancelled.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "exposure/Modes.h"
#include "platform/MultimediaTimer.h"
#include "session_format/SessionFile.h"
#include "sound/SessionClock.h"
#include "visual/FrameKey.h"

// The moment of the session that a tick shows, read once a tick so that the
// frequency, the pattern, the colour and the brightness of one frame belong to
// it alike: the frame heard now, as the tick's own view of the clock gives it
// (never going back).
struct TickMoment {
  uint64_t frame;
  const SessionSegment* segment;
  // The block's frequency, which the light shows; read by the tests from
  // other threads.
  std::atomic<uint32_t> frequency;
  ClockReader clock;
};

struct VisualStateRecord {
  // The exposure and the session (nullptr for none) that the worker shows;
  // set before it arms the timer.
  uint32_t exposure;
  const Session* session;
  // The tick's own: the session's moment it draws.
  TickMoment moment;
  // The pattern whose state is set up and whose tick the timer runs; the
  // worker's, set before it arms the timer.
  VisualMode pattern;
  // The full-screen window is up for the whole exposure: None draws black.
  bool windowUp;
  // Set by the tick when a session's moment calls for another pattern; the
  // worker then cancels the timer and arms the new pattern's. Until it has,
  // the old pattern's ticks draw nothing.
  std::atomic<VisualMode> patternWanted;
  // Set with patternWanted, so that the worker need not wait for its poll;
  // nullptr if it could not be made.
  HANDLE patternChanged;
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
  HPEN framePen;
  // Lets the thread wait for its own tick, and no other timer's, at the end.
  TickGate tickGate;
  // The frame last drawn, so that a tick whose frame is the same draws nothing.
  PresentedFrame presented;
  // Set by the window's thread once the window may have lost its picture
  // (shown, erased, painted, the display changed); the next tick draws.
  std::atomic<bool> pictureLost;
  // Ticks that drew, for the tests and benchmarks; the tick's alone.
  uint32_t framesDrawn;
  // Set only by a benchmark, to weigh the cost of drawing every tick afresh.
  bool drawEveryTick;
};

extern VisualStateRecord VisualState;

inline int FrameWidth() { return VisualState.clientRect.right; }
inline int FrameHeight() { return VisualState.clientRect.bottom; }

// The surfaces of one exposure, of the window's size and colour format, and
// the ring or grid layout; shared by the worker and the drawing benchmark.
void AcquireSurfaces();
void SetUpFigures(int count, double spacing);
// A pattern's state from its start (rings and grid at shift 0, the discrete
// strobe white first, frameCounter 0, no frame on the screen), as at each
// change of pattern; the surfaces must be acquired.
void PreparePattern(VisualMode mode);
void ReleaseSurfaces();

// The next tick draws whatever its frame; the first tick of an exposure does.
void ForgetFramesDrawn();
// From the window's thread, after the window may have lost its picture.
void NoticePictureLost();

// The frame of the line pattern at the current shift, in its pen.
FrameKey RingFrame(uint32_t penColour);
FrameKey GridFrame(uint32_t penColour);

// The steps of a line-pattern frame, apart so that the drawing benchmark can
// time each: clear the surface (the frame's pen then stays selected), draw the
// figures of the frame, copy the surface to the window.
void ClearFrame(const FrameKey& frame);
void DrawRings(const FrameKey& frame);
void DrawGridLines(const FrameKey& frame);
void PresentFrame();

void CALLBACK VisualTick(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR reserved1,
                         DWORD_PTR reserved2);
