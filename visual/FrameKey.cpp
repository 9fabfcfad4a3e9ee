#include "visual/FrameKey.h"

#include <algorithm>

FrameKey FillFrameKey(uint32_t colour) {
  FrameKey key = {};
  key.colour = colour;
  return key;
}

FrameKey RingFrameKey(uint32_t penColour, int centreX, int ringCount, double spacing,
                      double shift) {
  FrameKey key = FillFrameKey(penColour);
  int baseRadius = 0;
  for (int ring = 1; ring <= ringCount; ring++) {
    key.positions[key.positionCount++] = RingStartX(centreX, baseRadius, shift);
    key.positions[key.positionCount++] = static_cast<int32_t>(RingRadius(baseRadius, shift));
    baseRadius = NextFigureDistance(baseRadius, spacing);
  }
  return key;
}

FrameKey GridFrameKey(uint32_t penColour, int centreX, int centreY, int stepCount,
                      double spacing, double shift) {
  FrameKey key = FillFrameKey(penColour);
  int distance = 0;
  for (int step = 1; step <= stepCount; step++) {
    const GridStepLines lines = GridLinesAt(centreX, centreY, distance, shift);
    key.positions[key.positionCount++] = lines.leftX;
    key.positions[key.positionCount++] = lines.rightX;
    key.positions[key.positionCount++] = lines.upperY;
    key.positions[key.positionCount++] = lines.lowerY;
    distance = NextFigureDistance(distance, spacing);
  }
  return key;
}

bool SameFrame(const FrameKey& a, const FrameKey& b) {
  return a.colour == b.colour && a.positionCount == b.positionCount &&
         std::equal(a.positions, a.positions + a.positionCount, b.positions);
}

void ForgetPresentedFrame(PresentedFrame& presented) {
  presented.onScreen = false;
  presented.ticksSinceDrawn = 0;
}

bool MustDrawFrame(PresentedFrame& presented, const FrameKey& next, uint32_t tickPeriodMs) {
  const uint32_t ticksPerFullDraw = FullDrawIntervalMs / tickPeriodMs;
  const bool draw = !presented.onScreen || presented.ticksSinceDrawn + 1 >= ticksPerFullDraw ||
                    !SameFrame(presented.key, next);
  if (draw) {
    presented.onScreen = true;
    presented.ticksSinceDrawn = 0;
    presented.key = next;
  } else {
    presented.ticksSinceDrawn++;
  }
  return draw;
}
