// noise-colours [MINUTES]: each noise colour from the session's own generator
// over MINUTES (default 40) from the session's start: its slope in dB per
// octave over the octave bands from 20 Hz to 10 kHz (a straight line fitted
// to their mean power, spectra of 65536 frames under a raised-cosine window),
// the largest deviation of a band from that line, and its peak and RMS.
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "sound/SessionNoise.h"
#include "sound/Synthesis.h"

namespace {

const int SpectrumFrames = 1 << 16;
const double Pi = 3.14159265358979323846;

void Transform(std::vector<std::complex<double>>& a) {
  const size_t n = a.size();
  for (size_t i = 1, j = 0; i < n; i++) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t length = 2; length <= n; length <<= 1) {
    const std::complex<double> step = std::polar(1.0, -2 * Pi / length);
    for (size_t i = 0; i < n; i += length) {
      std::complex<double> w = 1;
      for (size_t k = 0; k < length / 2; k++, w *= step) {
        const std::complex<double> u = a[i + k], v = a[i + k + length / 2] * w;
        a[i + k] = u + v;
        a[i + k + length / 2] = u - v;
      }
    }
  }
}

void Measure(NoiseColour colour, const char* name, uint64_t frames) {
  SessionNoise noise{};
  StartSessionNoise(noise);
  std::vector<double> power(SpectrumFrames / 2 + 1);
  std::vector<std::complex<double>> window(SpectrumFrames);
  int peak = 0;
  double squares = 0;
  for (uint64_t j = 0; j < frames; j++) {
    const int sample = NextNoiseSample(noise, colour);
    peak = std::max(peak, std::abs(sample));
    squares += double(sample) * sample;
    const int at = static_cast<int>(j % SpectrumFrames);
    window[at] = sample * (0.5 - 0.5 * std::cos(2 * Pi * at / SpectrumFrames));
    if (at + 1 < SpectrumFrames) continue;
    Transform(window);
    for (size_t i = 0; i < power.size(); i++) power[i] += std::norm(window[i]);
  }
  std::vector<double> octaves, levels;
  for (double centre = 20; centre <= 10240 * 1.001; centre *= 2) {
    double sum = 0;
    int bins = 0;
    for (size_t i = 0; i < power.size(); i++) {
      const double hertz = double(i) * FramesPerSecond / SpectrumFrames;
      if (hertz < centre / std::sqrt(2.0) || hertz >= centre * std::sqrt(2.0)) continue;
      sum += power[i];
      bins++;
    }
    octaves.push_back(std::log2(centre));
    levels.push_back(10 * std::log10(sum / bins));
  }
  double meanX = 0, meanY = 0, xy = 0, xx = 0, deviation = 0;
  for (size_t i = 0; i < octaves.size(); i++) meanX += octaves[i] / octaves.size();
  for (size_t i = 0; i < levels.size(); i++) meanY += levels[i] / levels.size();
  for (size_t i = 0; i < octaves.size(); i++) {
    xy += (octaves[i] - meanX) * (levels[i] - meanY);
    xx += (octaves[i] - meanX) * (octaves[i] - meanX);
  }
  const double slope = xy / xx;
  for (size_t i = 0; i < octaves.size(); i++)
    deviation = std::max(deviation, std::abs(levels[i] - meanY - slope * (octaves[i] - meanX)));
  std::printf("%-6s %+7.2f dB/octave  %5.2f dB  peak %5d  RMS %7.1f\n", name, slope, deviation,
              peak, std::sqrt(squares / frames));
}

}  // namespace

int main(int argc, char** argv) {
  const double minutes = argc > 1 ? std::atof(argv[1]) : 40;
  if (minutes <= 0) {
    std::fprintf(stderr, "usage: noise-colours [MINUTES]\n");
    return 2;
  }
  const uint64_t frames = static_cast<uint64_t>(minutes * 60 * FramesPerSecond);
  std::printf("colour  slope 20 Hz..10 kHz  deviation  over %.1f minutes from the start\n",
              minutes);
  Measure(NoiseColour::White, "white", frames);
  Measure(NoiseColour::Pink, "pink", frames);
  Measure(NoiseColour::Brown, "brown", frames);
  return 0;
}
