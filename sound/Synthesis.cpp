#include "sound/Synthesis.h"

#include <cmath>
#include <cstdlib>

namespace {

// 2*pi and pi to eight significant digits: the phase of every tone is built
// from these, not from full-precision pi, so long sessions sound as designed.
const double FullTurn = 6.2831853;
const double HalfTurn = 3.14159265;
const double FullScale = 32767.0;
// Exactly 132 frames per cycle: a 334.09 Hz tone.
const double PeakToneStep = 0.04759988863636364;

int16_t Truncate(double value) { return static_cast<int16_t>(value); }

double FrameTime(uint32_t position, uint32_t frame) {
  return static_cast<double>(static_cast<uint32_t>(position + frame));
}

void FillSilence(StereoFrame* frames) {
  for (uint32_t i = 0; i < FramesPerBlock; i++) frames[i] = StereoFrame{0, 0};
}

void FillBrainWaves(const BlockPeriods& periods, uint32_t position, StereoFrame* frames) {
  const double leftStep = FullTurn / periods.leftPeriod;
  const double rightStep = FullTurn / periods.rightPeriod;
  for (uint32_t i = 0; i < FramesPerBlock; i++) {
    const double t = FrameTime(position, i);
    frames[i].left = Truncate(std::sin(t * leftStep) * FullScale);
    frames[i].right = Truncate(std::sin(t * rightStep) * FullScale);
  }
}

// The half-sine peak: 0 .. 32767 .. 0 once per envelope period.
int Envelope(double t, double envelopeStep) {
  return std::abs(static_cast<int>(std::sin(t * envelopeStep) * FullScale));
}

void FillPeakModulation(const BlockPeriods& periods, uint32_t position, StereoFrame* frames) {
  const double envelopeStep = HalfTurn / periods.envelopePeriod;
  for (uint32_t i = 0; i < FramesPerBlock; i++) {
    const double t = FrameTime(position, i);
    const double tone = std::sin(t * PeakToneStep);
    const int16_t sample = Truncate(Envelope(t, envelopeStep) * tone);
    frames[i] = StereoFrame{sample, sample};
  }
}

// A period drawn anew for every frame of an absolute clock: unrelated values.
double NoiseValue(double t, uint32_t& seed, const std::atomic<uint32_t>& frequency) {
  const uint32_t random = NextRandom(seed);
  return std::sin(t * (FullTurn / NoisePeriod(random, frequency.load(std::memory_order_relaxed))));
}

void FillNoiseModulation(const BlockPeriods& periods, const std::atomic<uint32_t>& frequency,
                         uint32_t position, uint32_t& seed, StereoFrame* frames) {
  const double envelopeStep = HalfTurn / periods.envelopePeriod;
  for (uint32_t i = 0; i < FramesPerBlock; i++) {
    const double t = FrameTime(position, i);
    const double noise = NoiseValue(t, seed, frequency);
    const int16_t sample = Truncate(Envelope(t, envelopeStep) * noise);
    frames[i] = StereoFrame{sample, sample};
  }
}

void FillNoiseWaves(const BlockPeriods& periods, const std::atomic<uint32_t>& frequency,
                    uint32_t position, uint32_t& seed, StereoFrame* frames) {
  const double leftStep = FullTurn / periods.leftPeriod;
  const double rightStep = FullTurn / periods.rightPeriod;
  for (uint32_t i = 0; i < FramesPerBlock; i++) {
    const double t = FrameTime(position, i);
    const double noise = NoiseValue(t, seed, frequency);
    frames[i].left = Truncate(std::sin(t * leftStep) * FullScale * noise);
    frames[i].right = Truncate(std::sin(t * rightStep) * FullScale * noise);
  }
}

}  // namespace

BlockPeriods PeriodsForFrequency(uint32_t frequency) {
  // The carriers: 80 Hz plus a multiple of the stimulation frequency, in
  // hundredths of a hertz; the larger multiple only below 0.20 Hz.
  const uint32_t multiple = frequency >= 20 ? 20 : 50;
  const uint32_t leftCarrier = multiple * frequency + 8000;
  const uint32_t rightCarrier = multiple * frequency + frequency + 8000;
  BlockPeriods periods;
  periods.leftPeriod = FramesPerSecond * 100 / leftCarrier;
  periods.rightPeriod = FramesPerSecond * 100 / rightCarrier;
  periods.envelopePeriod = FramesPerSecond * 100 / frequency;
  return periods;
}

uint32_t NextRandom(uint32_t& seed) {
  seed = seed * 214013u + 2531011u;
  return (seed >> 16) & 0x7FFF;
}

uint32_t NoisePeriod(uint32_t random, uint32_t frequency) {
  const uint32_t spread = frequency / 333 + 5;
  return FramesPerSecond / (random / spread + 30);
}

void SynthesizeBlock(SoundMode mode, const std::atomic<uint32_t>& frequency,
                     uint32_t position, uint32_t& seed, StereoFrame* frames) {
  const BlockPeriods periods = PeriodsForFrequency(frequency.load(std::memory_order_relaxed));
  if (mode == SoundMode::None) FillSilence(frames);
  if (mode == SoundMode::BrainWaves) FillBrainWaves(periods, position, frames);
  if (mode == SoundMode::PeakModulation) FillPeakModulation(periods, position, frames);
  if (mode == SoundMode::NoiseModulation)
    FillNoiseModulation(periods, frequency, position, seed, frames);
  if (mode == SoundMode::NoiseWaves) FillNoiseWaves(periods, frequency, position, seed, frames);
}
