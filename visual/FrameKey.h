// What a tick would put on the screen, small enough to keep and compare, so
// that a tick whose frame equals the one last presented leaves the screen
// alone. Window-free: the tick builds a key, decides with it, and then draws
// from the key itself.
#pragma once

#include <cstdint>

#include "visual/Patterns.h"

// Four coordinates per grid step, two per ring.
constexpr int FramePositionCapacity = 4 * GridStepCount;

// The one colour a frame is drawn in, exactly as handed to the drawing calls
// (the fill of a strobe, the pen of the rings and lines; anything that scales
// it, such as a brightness, is applied before the key is built), and the
// coordinates handed to the figure calls, in their order: per ring its start
// x and radius; per grid step left x, right x, upper y and lower y. The rest
// of what a frame is (centre, surface size, figure spacing) holds for the
// whole exposure.
struct FrameKey {
  uint32_t colour;
  int positionCount;
  int32_t positions[FramePositionCapacity];
};

FrameKey FillFrameKey(uint32_t colour);
FrameKey RingFrameKey(uint32_t penColour, int centreX, int ringCount, double spacing,
                      double shift);
FrameKey GridFrameKey(uint32_t penColour, int centreX, int centreY, int stepCount,
                      double spacing, double shift);
bool SameFrame(const FrameKey& a, const FrameKey& b);

// A picture on the screen can be lost without a word (an erase that nobody
// reports), so none goes longer than this without being drawn in full.
constexpr uint32_t FullDrawIntervalMs = 250;

// What the tick keeps of the frame it last drew.
struct PresentedFrame {
  bool onScreen;  // false before the first frame, and once the picture may be gone
  uint32_t ticksSinceDrawn;
  FrameKey key;
};

// The next frame must be drawn whatever it is: the exposure's first, or the
// window may have lost its picture.
void ForgetPresentedFrame(PresentedFrame& presented);

// Whether a tick of tickPeriodMs must draw the frame next: nothing is known
// to be on the screen, the frame differs from the one presented, or the last
// full draw is FullDrawIntervalMs of ticks old. A frame drawn becomes the one
// presented.
bool MustDrawFrame(PresentedFrame& presented, const FrameKey& next, uint32_t tickPeriodMs);
