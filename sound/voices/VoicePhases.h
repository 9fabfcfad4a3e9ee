// Where a voice's oscillators stand at any frame of its segment, from the
// frame's place in the session alone: the phases carried in from the
// segments before, and the turns made since the segment's first frame in
// closed form, so that a block made after a jump is the block of the whole
// render. Phases are in turns, 0 up to 1.
#pragma once

#include <cstdint>
#include <vector>

#include "session_format/SessionFile.h"

// The frames of a block of the session (a quarter of a second): a voice
// that follows the segment's frequency takes it anew at each.
constexpr uint32_t FramesPerVoiceBlock = 11025;
// Turns a frame of one hundredth of a hertz makes: the double nearest
// 1 / 4410000 (44100 frames a second x 100).
constexpr double TurnsPerHundredth = 1.0 / 4410000.0;

// A voice's two oscillators: its carrier, and its second one, the half of
// its beat (binaural, monaural: the ears are the carrier less and plus it)
// or its pulses (isochronic); 0 where it has none.
struct VoicePhases {
  double carrier;
  double second;
};

// A frame's number (or any count below 2^53) as a double, exactly: in two
// 32-bit halves, which the 32-bit build converts in SSE2 as the others do,
// not on the x87 unit as it would a 64-bit whole number.
double ExactDouble(uint64_t value);

// x - floor(x): the part of a turn.
double TurnOf(double turns);

// One frame on: the frame's value in turns added, back into 0..1 by one
// turn at most (no voice turns half a turn in a frame).
inline double NextTurn(double turn, double step) {
  const double next = turn + step;
  return next >= 1.0 ? next - 1.0 : next < 0.0 ? next + 1.0 : next;
}

// A slide's value at frame k of a segment of n frames (n > 1):
// first + change x (k / (n - 1)), so that the last frame has the last value
// exactly.
double SlideAt(double first, double change, uint64_t frame, uint64_t frames);

// The turns that a value sliding so has made over the frames before frame
// k, each frame turning by its value x TurnsPerHundredth:
// (first x k + change x (k x (k - 1) x 0.5) / (n - 1)) x TurnsPerHundredth.
double TurnsBefore(double first, double change, uint64_t frame, uint64_t frames);

// The second oscillator's value (hundredths of a hertz) as a slide: half the
// beat, the whole rate (of pulses, or of a spin's turns), or nothing. For a voice that follows the
// segment's frequency, the scale of that frequency (0.5 or 1).
struct SecondSlide {
  double first;
  double change;
  double scale;
};
SecondSlide SecondOf(const Voice& voice);

// Whether the voice's carrier is a frequency that turns its first
// oscillator: not a spin's (its width), nor a bell's (struck afresh).
bool CarrierTurns(VoiceKind kind);

// Each segment's voices' phases at the segment's first frame: a voice goes
// on from where the same slot of the segment before left off when that was
// a voice of the same kind, and starts at 0 otherwise.
std::vector<std::vector<VoicePhases>> SessionVoicePhases(const Session& session);

// The phases at the first frame of block `block` of the segment (its
// number of blocks for the frame after its last), from the phases at its
// first frame.
VoicePhases BlockPhases(const SessionSegment& segment, const Voice& voice, const VoicePhases& start,
                        uint32_t block);
