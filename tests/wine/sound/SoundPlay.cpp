// sound-play MODE FREQUENCY PLAY_MS
// Runs the real audio worker for PLAY_MS milliseconds in one sound mode, then
// clears running and times how long the worker takes to close the device and
// end. Prints one line:
//   blocks=B synth_ms=S stop_ms=T
// B: blocks synthesised (samplePosition / frames per block), S: the slowest of
// three block syntheses measured here first, T: running falling to the thread
// handle being signalled. Exit code 1 when the worker does not end at all.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "exposure/ExposureState.h"
#include "sound/AudioThread.h"
#include "sound/Synthesis.h"

namespace {

StereoFrame scratchBlock[FramesPerBlock];

double NowMs() {
  LARGE_INTEGER counter, rate;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&rate);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(rate.QuadPart);
}

// On a private generator, so that the worker's noise still starts at seed 1.
double SlowestSynthesisMs(SoundMode mode) {
  uint32_t seed = 1;
  double slowest = 0;
  for (int i = 0; i < 3; i++) {
    const double start = NowMs();
    SynthesizeBlock(mode, ExposureState.frequency, i * FramesPerBlock, seed, scratchBlock);
    const double took = NowMs() - start;
    if (took > slowest) slowest = took;
  }
  return slowest;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: sound-play MODE FREQUENCY PLAY_MS\n");
    return 2;
  }
  const SoundMode mode = static_cast<SoundMode>(std::atoi(argv[1]));
  StoreField(ExposureState.frequency, std::strtoul(argv[2], nullptr, 10));
  StoreField(ExposureState.soundMode, mode);
  const DWORD playMs = std::strtoul(argv[3], nullptr, 10);
  const double synthesisMs = SlowestSynthesisMs(mode);

  StoreField(ExposureState.running, 1);
  HANDLE worker = CreateThread(nullptr, 0, AudioThread, &ExposureState.running, 0, nullptr);
  Sleep(playMs);
  StoreField(ExposureState.running, 0);
  const double stopStart = NowMs();
  const DWORD waited = WaitForSingleObject(worker, 10000);
  const double stopMs = NowMs() - stopStart;
  CloseHandle(worker);

  std::printf("blocks=%u synth_ms=%.1f stop_ms=%.1f\n", ExposureState.samplePosition / FramesPerBlock,
              synthesisMs, stopMs);
  std::fflush(stdout);
  return waited == WAIT_OBJECT_0 ? 0 : 1;
}
