// How a strobe is seen on a display that shows, at each of its refreshes,
// the latest frame the program has drawn (as Windows does with desktop
// composition). Window-free: the frames come from the pattern arithmetic,
// tick by tick, exactly as the visual tick draws them.
//
// Definitions:
// - Tick n (0, 1, ...) of the 2 ms timer is drawn at (n + 1) * 2 ms after
//   Start; refresh k (1, 2, ...) comes at k / refreshHz seconds and shows the
//   latest tick drawn by then (the window's black before the first one).
// - A frame is light when it is white (discrete strobe) or a grey in the
//   upper half of the range, 127 and up (smooth strobe); else it is dark.
// - A flash is a change from a dark frame to a light one. A rate is
//   (flashes - 1) / (the time from the first flash to the last), counted
//   over the first `seconds` of an exposure; counted over the ticks it is
//   the rate drawn, over the refreshes the rate the display shows.
// - A phase is a run of light or of dark refreshes; the first and the last
//   run are left out, since the window cuts them.
#pragma once

#include <cstdint>

#include "exposure/ExposureState.h"

constexpr uint32_t StrobeTicksPerSecond = 500;
// A grey level that counts as light: the upper half of 0..254.
constexpr int LightGrey = 127;

struct SeenStrobe {
  double drawnHz;
  double shownHz;     // 0 when fewer than two flashes are seen
  int shortestPhase;  // in refreshes; 0 when no whole phase is seen
  int longestPhase;
};

// strobe: SmoothStrobe or DiscreteStrobe; frequency in hundredths of a hertz.
SeenStrobe SeeStrobe(VisualMode strobe, uint32_t frequency, uint32_t refreshHz, uint32_t seconds);
