// The shapes of a voice's sound over one turn of its phase: the sine, a
// tone's waves and an isochronic voice's gates, each a function of the
// phase in turns (0 at the start of a cycle, 1 at its end) built from +, -,
// x and / alone, so that every build computes the same doubles.
#pragma once

#include "session_format/SessionFile.h"

// Inline, so that the synthesis's loops over a block can be vectorised.

// The Taylor coefficients of sin(2 pi y), (-1)^n (2 pi)^(2n+1) / (2n+1)!,
// each the double nearest its exact value: over the quarter turn that the
// polynomial covers, within 7e-10 of the sine, and above 1 at its top, so
// that a level of 100 per cent reaches 32767.
inline constexpr double SineTerms[] = {6.283185307179586,  -41.34170224039976, 81.60524927607506,
                                       -76.70585975306139, 42.058693944897655, -15.09464257682299,
                                       3.819952584848282};

inline double QuarterSine(double y) {
  const double z = y * y;
  double sum = SineTerms[6];
  for (int n = 5; n >= 0; n--) sum = SineTerms[n] + z * sum;
  return y * sum;
}

// sin(2 pi x turn) for a turn in 0..1: a polynomial of degree 13 over a
// quarter turn, mirrored.
inline double TurnSine(double turn) {
  // Each step is exact: a turn below 1 less a half, a half less a quarter's
  // worth or more.
  const bool secondHalf = turn >= 0.5;
  const double half = secondHalf ? turn - 0.5 : turn;
  const double quarter = half < 0.25 ? half : 0.5 - half;
  const double sine = QuarterSine(quarter);
  return secondHalf ? -sine : sine;
}

// A tone's wave, -1..1: sine; square (1 over the first half, -1 over the
// second); triangle (0, up to 1 at a quarter, down to -1 at three quarters);
// saw (0, up to 1 just before the half, from -1 up to 0 over the second).
inline double SquareWave(double turn) { return turn < 0.5 ? 1.0 : -1.0; }
inline double TriangleWave(double turn) {
  return turn < 0.25 ? 4.0 * turn : turn < 0.75 ? 2.0 - 4.0 * turn : 4.0 * turn - 4.0;
}
inline double SawWave(double turn) { return turn < 0.5 ? 2.0 * turn : 2.0 * turn - 2.0; }

inline double ToneWave(VoiceShape shape, double turn) {
  if (shape == VoiceShape::Square) return SquareWave(turn);
  if (shape == VoiceShape::Triangle) return TriangleWave(turn);
  if (shape == VoiceShape::Saw) return SawWave(turn);
  return TurnSine(turn);
}

// An isochronic gate, 0..1: square (1 over the first half); sine (a raised
// cosine, 0 at the start, 1 half-way); triangle (up to 1 half-way and down
// again); saw (rising over the cycle); smooth (0 while the sine of the turn
// is below 0.3, then x = (s - 0.3) / 0.7 gives x x x x (3 - 2 x)).
inline double SquareGate(double turn) { return turn < 0.5 ? 1.0 : 0.0; }
inline double SineGate(double turn) {
  // The cosine is the sine a quarter turn on.
  return (1.0 - TurnSine(turn < 0.75 ? turn + 0.25 : turn - 0.75)) * 0.5;
}
inline double TriangleGate(double turn) { return turn < 0.5 ? 2.0 * turn : 2.0 - 2.0 * turn; }
inline double SawGate(double turn) { return turn; }
inline double SmoothGate(double turn) {
  const double s = TurnSine(turn);
  const double x = (s - 0.3) / 0.7;
  return s < 0.3 ? 0.0 : x * x * (3.0 - 2.0 * x);
}

inline double GateOf(VoiceShape shape, double turn) {
  if (shape == VoiceShape::Square) return SquareGate(turn);
  if (shape == VoiceShape::Triangle) return TriangleGate(turn);
  if (shape == VoiceShape::Saw) return SawGate(turn);
  if (shape == VoiceShape::Smooth) return SmoothGate(turn);
  return SineGate(turn);
}
