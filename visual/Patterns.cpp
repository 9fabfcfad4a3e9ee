#include "visual/Patterns.h"

#include <algorithm>
#include <cmath>

namespace {
// 2*pi to eight significant digits, as the strobe's step is defined.
const double FullTurn = 6.2831853;
}  // namespace

uint32_t PatternTickMs(VisualMode mode, bool windowUp) {
  if (mode == VisualMode::None) return windowUp ? BlackTickMs : IdleTickMs;
  if (mode == VisualMode::SmoothStrobe) return StrobeTickMs;
  if (mode == VisualMode::DiscreteStrobe) return StrobeTickMs;
  if (mode == VisualMode::Circles) return RingTickMs;
  if (mode == VisualMode::Grid) return GridTickMs;
  return 0;
}

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

uint32_t TintedLevel(uint32_t level, uint32_t channel, uint32_t brightness) {
  return level * channel * brightness / 25500;
}

uint32_t TintedColour(uint32_t patternColour, uint32_t colour, uint32_t brightness) {
  uint32_t tinted = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const uint32_t level = (patternColour >> shift) & 0xFF, channel = (colour >> shift) & 0xFF;
    tinted |= TintedLevel(level, channel, brightness) << shift;
  }
  return tinted;
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
// Beyond what the rasteriser may add to a circle's radius and the pen's width.
const double RingMargin = 4.0;
}  // namespace

bool RingReachesSurface(int centreX, int centreY, uint32_t radius, int width, int height) {
  // The centre lies on the surface, so a ring misses it only by enclosing
  // it, farthest corner included.
  const double cornerX = std::max(centreX, width - 1 - centreX);
  const double cornerY = std::max(centreY, height - 1 - centreY);
  return radius < std::sqrt(cornerX * cornerX + cornerY * cornerY) + RingMargin;
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
