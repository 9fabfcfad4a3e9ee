// The two mode enumerations, the sound's blocks and the limits of the
// frequency: what the exposure record, the synthesis and the session reader
// all speak of, in a header that needs nothing else.
#pragma once

#include <cstdint>

// Values are the positions of the entries in soundList.
enum class SoundMode : int32_t {
  None = 0,
  BrainWaves = 1,
  PeakModulation = 2,
  NoiseModulation = 3,
  NoiseWaves = 4,
};

// Values are the positions of the entries in visualList.
enum class VisualMode : int32_t {
  None = 0,
  SmoothStrobe = 1,
  DiscreteStrobe = 2,
  Circles = 3,
  Grid = 4,
};

constexpr int ModeCount = 5;

// Sound is made in blocks of a quarter of a second.
constexpr uint32_t FramesPerBlock = 11025;
constexpr uint32_t FramesPerSecond = 44100;

// Frequency unit: hundredths of a hertz.
constexpr uint32_t MinimumFrequency = 10;
constexpr uint32_t MaximumFrequency = 5000;
constexpr uint32_t DefaultFrequency = 780;
