// Window-free synthesis of the five sound modes: one block of 16-bit stereo
// frames from the mode, the frequency, the frame counter and the generator.
#pragma once

#include <atomic>
#include <cstdint>

#include "exposure/Modes.h"

struct StereoFrame {
  int16_t left;
  int16_t right;
};

// The periods of one block, whole frames, derived from the frequency by
// unsigned integer division before any real arithmetic.
struct BlockPeriods {
  uint32_t leftPeriod;      // binaural tones, modes 1 and 4
  uint32_t rightPeriod;
  uint32_t envelopePeriod;  // peaks, modes 2 and 3
};

BlockPeriods PeriodsForFrequency(uint32_t frequency);

// The process-wide linear congruential generator: one draw per noise frame.
uint32_t NextRandom(uint32_t& seed);

// The noise period of one frame: 6..1470 frames.
uint32_t NoisePeriod(uint32_t random, uint32_t frequency);

// Fills FramesPerBlock frames. frequency is read once for the periods and,
// in the noise modes, again at every frame for the noise spread, as the user
// may move it at any moment. seed is the generator's state, advanced by
// FramesPerBlock draws in the noise modes and left alone otherwise.
void SynthesizeBlock(SoundMode mode, const std::atomic<uint32_t>& frequency,
                     uint32_t position, uint32_t& seed, StereoFrame* frames);
