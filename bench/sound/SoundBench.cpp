// sound-bench [BLOCKS]: milliseconds to synthesise one block in each sound
// mode, and that time as a share of the 250 ms the other queued block plays;
// then a session's block of silence (mode 0) over each colour of noise, the
// noise and the mix alone; then a block of 16 voices, the most a segment
// holds, of every kind and half of them sliding.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "session_format/SessionReader.h"
#include "sound/SessionSound.h"
#include "sound/Synthesis.h"

namespace {

const double BlockPlayMs = 1000.0 * FramesPerBlock / FramesPerSecond;
StereoFrame block[FramesPerBlock];

struct Timing {
  double meanMs;
  double slowestMs;
};

double ElapsedMs(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

Timing TimeMode(SoundMode mode, uint32_t frequencyValue, int blocks) {
  const std::atomic<uint32_t> frequency{frequencyValue};
  uint32_t seed = 1;
  uint32_t position = 0;
  // One block first, so that the clock does not count page faults.
  SynthesizeBlock(mode, frequency, position, seed, block);
  Timing timing = {0, 0};
  for (int i = 0; i < blocks; i++) {
    position += FramesPerBlock;
    const auto start = std::chrono::steady_clock::now();
    SynthesizeBlock(mode, frequency, position, seed, block);
    const double took = ElapsedMs(start);
    timing.meanMs += took / blocks;
    if (took > timing.slowestMs) timing.slowestMs = took;
  }
  return timing;
}

// The blocks of a session from its second on, the first made before the
// clock starts.
Timing TimeSession(const std::string& text, int blocks) {
  Session session;
  SessionError error;
  if (!ParseSession(text, "bench", session, error))
    std::fprintf(stderr, "%s\n", error.message.c_str());
  SessionSound sound{};
  StartSessionSound(sound, session, "bench", error);
  uint32_t seed = 1;
  SynthesizeSessionBlock(sound, 0, 0, seed, 100, block);
  Timing timing = {0, 0};
  for (int i = 1; i <= blocks; i++) {
    const auto start = std::chrono::steady_clock::now();
    SynthesizeSessionBlock(sound, i, i * FramesPerBlock, seed, 100, block);
    const double took = ElapsedMs(start);
    timing.meanMs += took / blocks;
    if (took > timing.slowestMs) timing.slowestMs = took;
  }
  return timing;
}

// One segment of silence over the noise, at full level: what the noise and
// the mix add to a block.
Timing TimeNoise(const char* colour, int blocks) {
  return TimeSession(std::string("4000m 0 7.8 noise ") + colour + " 100", blocks);
}

// Sixteen voices at 6 % each, every kind, shape and colour, half sliding.
const char SixteenVoices[] =
    "4000m 0 7.8 12\n"
    "  binaural 200 f 6\n  binaural 150..120 4 6\n  binaural 180 -6 5..6\n  binaural 90 2.5 6\n"
    "  monaural 300 7.5 6\n  monaural 250..260 f 6\n"
    "  isochronic 400 f 6 smooth\n  isochronic 250 3..5 6\n  isochronic 330 9 6 square\n"
    "  isochronic 220 f 6 triangle\n  isochronic 500 7 6 saw\n"
    "  tone 100 6\n  tone 440..400 6 triangle\n  tone 60 6 square\n"
    "  noise pink 6\n  noise brown 0..6\n";

}  // namespace

int main(int argc, char** argv) {
  const int blocks = argc > 1 ? std::atoi(argv[1]) : 100;
  if (blocks < 1) {
    std::fprintf(stderr, "usage: sound-bench [BLOCKS]\n");
    return 2;
  }
  std::printf("mode  ms/block  slowest  share of %.0f ms\n", BlockPlayMs);
  for (int mode = 0; mode <= 4; mode++) {
    const Timing t = TimeMode(static_cast<SoundMode>(mode), DefaultFrequency, blocks);
    std::printf("%4d  %8.3f  %7.3f  %6.2f %%\n", mode, t.meanMs, t.slowestMs,
                100.0 * t.meanMs / BlockPlayMs);
  }
  for (const char* colour : {"white", "pink", "brown"}) {
    const Timing t = TimeNoise(colour, blocks);
    std::printf("%5s %8.3f  %7.3f  %6.2f %%\n", colour, t.meanMs, t.slowestMs,
                100.0 * t.meanMs / BlockPlayMs);
  }
  const Timing t = TimeSession(SixteenVoices, blocks);
  std::printf("16 voices %8.3f  %7.3f  %6.2f %%\n", t.meanMs, t.slowestMs,
              100.0 * t.meanMs / BlockPlayMs);
  // Keeps the last block observable, so the synthesis is not optimised away.
  std::fprintf(stderr, "last sample %d\n", block[FramesPerBlock - 1].left);
  return 0;
}
