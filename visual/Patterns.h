// Window-free arithmetic of the visual patterns: grey levels, strobe phases,
// ring and grid geometry and the outward drift.
#pragma once

#include <cstdint>

#include "exposure/Modes.h"

constexpr int RingCount = 80;
constexpr int GridStepCount = 44;
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Black = 0;

// Tick periods of the patterns, in milliseconds.
constexpr uint32_t StrobeTickMs = 2;
constexpr uint32_t RingTickMs = 20;
constexpr uint32_t GridTickMs = 10;
constexpr uint32_t IdleTickMs = 1000;
// A session's segment without light while its window is up is black, ticking
// as often as the rings, so that the light after it comes within a tick.
constexpr uint32_t BlackTickMs = 20;

// The pattern's tick period: None ticks at IdleTickMs with the window hidden
// and at BlackTickMs with it up. 0 for a value outside the five: no timer.
uint32_t PatternTickMs(VisualMode mode, bool windowUp);

// Smooth strobe: a cosine from black to grey 254 and back every
// 50000 / frequency ticks, recomputed from the tick count, never accumulated.
double SmoothStrobeStep(uint32_t frequency);
int SmoothStrobeGrey(uint32_t frameCounter, double step);
uint32_t GreyColour(int level);

// A session segment's colour c (0..255 a channel) at brightness P per cent
// over the pattern's own level v of a channel: (v x c x P) / 25500 in 32-bit
// unsigned arithmetic, which at most is 255 x 255 x 100 and cannot overflow.
// White at 100 % leaves every level as it is.
uint32_t TintedLevel(uint32_t level, uint32_t channel, uint32_t brightness);
// Each of the three channels of COLORREFs (0x00BBGGRR) alike.
uint32_t TintedColour(uint32_t patternColour, uint32_t colour, uint32_t brightness);

// Discrete strobe: white and black halves of 25000 / frequency ticks each,
// counted in a phase accumulator that keeps its remainder.
double DiscreteStrobeHalfPeriod(uint32_t frequency);
double AccumulateStrobePhase(double strobeValue, double halfPeriod);
uint32_t StrobeColour(int8_t strobeFlag);
// Called after the fill: flips the colour once the accumulator reaches a
// whole half period, so the new colour shows from the next tick on.
void ToggleStrobeAtHalfPeriod(double& strobeValue, int8_t& strobeFlag);

// Geometry shared by rings and grid: centre truncated, spacing from the width.
int CentreOf(int extent);
double RingSpacing(int width);
double GridSpacing(int width);
int NextFigureDistance(int distance, double spacing);

// Rings: start point on the centre row and radius for base radius r.
int RingStartX(int centreX, int baseRadius, double shift);
uint32_t RingRadius(int baseRadius, double shift);
double NextRingShift(double shift, double spacing, uint32_t frequency);

// Whether a ring can reach a pixel of a width x height surface around its
// centre. Only a ring that encloses the whole surface cannot; it is counted
// out only with a few pixels to spare, since a circle may be drawn a pixel
// or so off its true radius.
bool RingReachesSurface(int centreX, int centreY, uint32_t radius, int width, int height);

// Grid: the two columns and two rows of one step at distance d.
struct GridStepLines {
  int leftX;
  int rightX;
  int upperY;
  int lowerY;
};
GridStepLines GridLinesAt(int centreX, int centreY, int distance, double shift);
double NextGridShift(double shift, double spacing, uint32_t frequency);
