#include "visual/Patterns.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {
// 2*pi to eight significant digits, as the strobe's step is defined.
const double FullTurn = 6.2831853;
}  // namespace

double SmoothStrobeStep(uint32_t frequency) {
  const uint32_t ticksPerPeriod = 50000 / frequency;
  return FullTurn / ticksPerPeriod;
}

int SmoothStrobeGrey(uint32_t frameCounter, double step) {
  return static_cast<int>(127.0 - std::cos(static_cast<double>(frameCounter) * step) * 127.0);
}

uint32_t GreyColour(int level) {
  const uint32_t v = static_cast<uint32_t>(level);
  return v + v * 256 + v * 65536;
}

double DiscreteStrobeHalfPeriod(uint32_t frequency) {
  return static_cast<double>(25000 / frequency);
}

double AccumulateStrobePhase(double strobeValue, double halfPeriod) {
  return 1.0 / halfPeriod + strobeValue;
}

uint32_t StrobeColour(int8_t strobeFlag) {
  const uint32_t channel = static_cast<uint32_t>(strobeFlag) * 255;
  return channel + channel * 256 + channel * 65536;
}

void ToggleStrobeAtHalfPeriod(double& strobeValue, int8_t& strobeFlag) {
  if (strobeValue >= 1.0) {
    strobeValue -= 1.0;
    strobeFlag = static_cast<int8_t>(1 - strobeFlag);
  }
}

int CentreOf(int extent) { return static_cast<int>(extent / 2.0); }

double RingSpacing(int width) { return static_cast<double>(width) / RingCount; }

double GridSpacing(int width) { return static_cast<double>(width) / GridStepCount / 2.0; }

int NextFigureDistance(int distance, double spacing) {
  return static_cast<int>(distance + spacing);
}

int RingStartX(int centreX, int baseRadius, double shift) {
  return static_cast<int>((centreX + baseRadius) + shift);
}

uint32_t RingRadius(int baseRadius, double shift) {
  return static_cast<uint32_t>(static_cast<int>(baseRadius + shift));
}

// The frame drawn with a shift of a whole spacing or more is shown once;
// the reset then replaces that tick's advance.
double NextRingShift(double shift, double spacing, uint32_t frequency) {
  if (shift < spacing) return (frequency * spacing) / 5000.0 + shift;
  return 0.0;
}

namespace {
// How far off the surface an arc's ends lie: beyond the pixel that the
// rasteriser may add or leave out at either end, and the short line from
// the current position.
const double ArcMargin = 4.0;
const double DegreesPerRadian = 180.0 / 3.14159265358979323846;

RingArcs ArcsOf(std::initializer_list<RingArc> arcs) {
  RingArcs result = {0, {}};
  for (const RingArc& arc : arcs) result.arcs[result.count++] = arc;
  return result;
}

RingArc ArcBetween(double fromDegrees, double toDegrees) {
  return {static_cast<float>(fromDegrees), static_cast<float>(toDegrees - fromDegrees)};
}
}  // namespace

RingArcs RingArcsOnSurface(int centreX, int centreY, uint32_t radius, int width, int height) {
  // Half extents of the surface grown by the margin, taken on the wider side
  // of the centre so that both sides are covered.
  const double halfWidth = std::max(centreX, width - 1 - centreX) + ArcMargin;
  const double halfHeight = std::max(centreY, height - 1 - centreY) + ArcMargin;
  const double r = radius;
  if (r * r >= halfWidth * halfWidth + halfHeight * halfHeight) return ArcsOf({});
  const bool crossesSides = r > halfWidth;
  const bool crossesTopAndBottom = r > halfHeight;
  if (!crossesSides && !crossesTopAndBottom) return ArcsOf({{0.0f, 360.0f}});
  // Within each quadrant the ring is near enough to the surface from the
  // angle where it leaves the sides to the one where it leaves top or bottom.
  const double low = crossesSides ? std::acos(halfWidth / r) * DegreesPerRadian : 0.0;
  const double high = crossesTopAndBottom ? std::asin(halfHeight / r) * DegreesPerRadian : 90.0;
  if (!crossesSides) {
    return ArcsOf({ArcBetween(0.0, high), ArcBetween(180.0 - high, 180.0 + high),
                   ArcBetween(360.0 - high, 360.0)});
  }
  if (!crossesTopAndBottom) {
    return ArcsOf({ArcBetween(low, 180.0 - low), ArcBetween(180.0 + low, 360.0 - low)});
  }
  return ArcsOf({ArcBetween(low, high), ArcBetween(180.0 - high, 180.0 - low),
                 ArcBetween(180.0 + low, 180.0 + high), ArcBetween(360.0 - high, 360.0 - low)});
}

ArcPoint ArcStartPoint(int centreX, int centreY, uint32_t radius, float startDegrees) {
  const double angle = startDegrees / DegreesPerRadian;
  return {centreX + static_cast<int>(std::lround(std::cos(angle) * radius)),
          centreY - static_cast<int>(std::lround(std::sin(angle) * radius))};
}

GridStepLines GridLinesAt(int centreX, int centreY, int distance, double shift) {
  GridStepLines lines;
  lines.leftX = static_cast<int>((centreX - distance) - shift);
  lines.rightX = static_cast<int>((centreX + distance) + shift);
  lines.upperY = static_cast<int>((centreY - distance) - shift);
  lines.lowerY = static_cast<int>((centreY + distance) + shift);
  return lines;
}

double NextGridShift(double shift, double spacing, uint32_t frequency) {
  if (shift < spacing) return (frequency * spacing) / 10000.0 + shift;
  return 0.0;
}
