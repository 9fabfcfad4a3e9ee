// sound-play MODE FREQUENCY PLAY_MS [STALL_AT_MS | outage | old-worker | late]
// Runs the real audio worker for PLAY_MS milliseconds in one sound mode, then
// clears running and times how long the worker takes to close the device and
// end. Prints one line:
//   blocks=B synth_ms=S stop_ms=T opens=O resumed_block=K [stalled_ms=H requeued_ms=R]
// B: blocks synthesised (samplePosition / frames per block), S: the slowest of
// three block syntheses measured here first, T: running falling to the thread
// handle being signalled, O: devices opened, K: the block the last began with.
// Exit code 1 when the worker does not end at all. "outage" refuses
// waveOutOpen 1 and 3 and waveOutWrite 6 (block 5). "old-worker" holds the
// worker in its third write past a Stop and a Start, releases it while the
// next streams, and adds old_ended=0|1 old_writes=W new_blocks=N
// new_blocks_synthesis=M: W writes of the old worker after its release, M
// blocks of the new one equal to the synthesis from the generator's state.
// With STALL_AT_MS, that long after the worker first has both blocks queued
// (the device opens slowly under Wine), and again with both queued, it is
// suspended until the device has finished them (at least StallMs), as a
// stalled machine would hold it, for H ms; R is the time from its resumption
// until both blocks are queued again, "none" when that does not happen within
// QueueWatchMs. No H when the worker never had both blocks queued. "late"
// plays the session "60s MODE FREQUENCY/100" instead (a session's worker
// reads the device's position) with the device's notifications held back
// for LateForMs from LateFromMs after it opens, while it plays on; it adds
// held=N, the notifications held back.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "exposure/ExposureState.h"
#include "session_format/SessionReader.h"
#include "sound/AudioThread.h"
#include "sound/FillAudioBlock.h"
#include "sound/Synthesis.h"
#include "tests/wine/sound/WaveOutWatch.h"

namespace {

StereoFrame scratchBlock[FramesPerBlock];
// Longer than the 2 s after which a device that neither notifies nor plays
// on is given up, from when the stream is well under way.
const DWORD LateFromMs = 2500;
const DWORD LateForMs = 3000;
const DWORD StallMs = 600;
const double DeviceDrainWatchMs = 2000;
const double QueueWatchMs = 3000;

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

// The device thread writes the flags; read them afresh each time.
bool InQueue(int block) {
  const WAVEHDR* header = PreparedHeader(block);
  return header && (*static_cast<const volatile DWORD*>(&header->dwFlags) & WHDR_INQUEUE) != 0;
}

// Both completions then arrive while the worker cannot answer them. Returns
// how long it was held.
double StallWorker(HANDLE worker) {
  const double start = NowMs();
  SuspendThread(worker);
  Sleep(StallMs);
  while ((InQueue(0) || InQueue(1)) && NowMs() - start < StallMs + DeviceDrainWatchMs) Sleep(1);
  ResumeThread(worker);
  return NowMs() - start;
}

// Milliseconds until both blocks are queued; negative when not within limitMs.
double TimeUntilBothQueued(double limitMs) {
  const double start = NowMs();
  while (NowMs() - start < limitMs) {
    if (InQueue(0) && InQueue(1)) return NowMs() - start;
    Sleep(1);
  }
  return -1;
}

struct Stall {
  double heldMs = 0;
  double requeuedMs = -1;
};

Stall StallWhileStreaming(HANDLE worker, DWORD streamMs, double limitMs) {
  Stall stall;
  if (TimeUntilBothQueued(limitMs) < 0) return stall;
  Sleep(streamMs);
  if (TimeUntilBothQueued(QueueWatchMs) < 0) return stall;
  stall.heldMs = StallWorker(worker);
  stall.requeuedMs = TimeUntilBothQueued(QueueWatchMs);
  return stall;
}

HANDLE StartAudioExposure(DWORD* threadId = nullptr,
                          std::shared_ptr<const Session> session = nullptr) {
  const uint32_t exposure = LoadField(ExposureState.exposureNumber) + 1;
  StoreField(ExposureState.exposureNumber, exposure);
  ExposureState.running.store(1);
  return CreateThread(nullptr, 0, AudioThread, new AudioWork{exposure, std::move(session), nullptr},
                      0, threadId);
}

// One segment of a minute in the exposure's mode and at its frequency.
std::shared_ptr<const Session> OneSegmentSession(SoundMode mode) {
  const uint32_t frequency = LoadField(ExposureState.frequency);
  char text[64];
  std::snprintf(text, sizeof text, "60s %d %u.%02u\n", static_cast<int>(mode), frequency / 100,
                frequency % 100);
  Session session;
  SessionError error;
  if (!ParseSession(text, "late.txt", session, error)) return nullptr;
  return std::make_shared<const Session>(session);
}

// A Stop and a Start that waits for the old worker as the exposure control does.
HANDLE PlayPastHeldWorker(SoundMode mode, DWORD playMs) {
  HoldWrite(3);
  HANDLE old = StartAudioExposure();
  if (!WaitUntilWriteHeld(playMs)) return old;
  StoreField(ExposureState.running, 0);
  WaitForSingleObject(old, 1000);
  uint32_t seed = NoiseSeed;
  DWORD threadId;
  HANDLE worker = StartAudioExposure(&threadId);
  RecordBlocksOf(threadId);
  Sleep(playMs / 2);
  ReleaseHeldWrite();
  const bool oldEnded = WaitForSingleObject(old, 5000) == WAIT_OBJECT_0;
  Sleep(playMs / 2);
  StoreField(ExposureState.running, 0);
  WaitForSingleObject(worker, 10000);
  int matching = 0;
  for (uint32_t block = 0; block < RecordedBlocks().size(); block++) {
    SynthesizeBlock(mode, ExposureState.frequency, block * FramesPerBlock, seed, scratchBlock);
    matching += std::memcmp(scratchBlock, RecordedBlocks()[block].data(), sizeof scratchBlock) == 0;
  }
  std::printf("old_ended=%d old_writes=%d new_blocks=%u new_blocks_synthesis=%d ", oldEnded ? 1 : 0,
              CountWaveOut().writesAfterRelease, static_cast<unsigned>(RecordedBlocks().size()), matching);
  CloseHandle(old);
  return worker;
}

}  // namespace

int main(int argc, char** argv) {
  if ((argc != 4 && argc != 5) || !WatchWaveOut()) {
    std::fprintf(stderr, "usage: sound-play MODE FREQUENCY PLAY_MS [STALL_AT_MS|outage|old-worker]\n");
    return 2;
  }
  const SoundMode mode = static_cast<SoundMode>(std::atoi(argv[1]));
  StoreField(ExposureState.frequency, std::strtoul(argv[2], nullptr, 10));
  StoreField(ExposureState.soundMode, mode);
  const DWORD playMs = std::strtoul(argv[3], nullptr, 10);
  const char* scenario = argc == 5 ? argv[4] : "";
  const bool stall = argc == 5 && std::isdigit(static_cast<unsigned char>(scenario[0]));
  const DWORD stallAtMs = stall ? std::strtoul(scenario, nullptr, 10) : 0;
  const double synthesisMs = SlowestSynthesisMs(mode);
  if (std::strcmp(scenario, "outage") == 0) {
    RefuseOpens({1, 3});
    RefuseWrite(6);
  }

  const bool late = std::strcmp(scenario, "late") == 0;
  if (late) DelayNotices(LateFromMs, LateForMs);
  StoreField(ExposureState.listenerLevel, FullListenerLevel);  // as the player's slider starts
  HANDLE worker = std::strcmp(scenario, "old-worker") == 0 ? PlayPastHeldWorker(mode, playMs)
                  : late ? StartAudioExposure(nullptr, OneSegmentSession(mode))
                         : StartAudioExposure();
  const double started = NowMs();
  const Stall held = stall ? StallWhileStreaming(worker, stallAtMs, playMs) : Stall();
  const double played = NowMs() - started;
  if (played < playMs) Sleep(static_cast<DWORD>(playMs - played));
  StoreField(ExposureState.running, 0);
  const double stopStart = NowMs();
  const DWORD waited = WaitForSingleObject(worker, 10000);
  const double stopMs = NowMs() - stopStart;
  CloseHandle(worker);

  const WaveOutCount count = CountWaveOut();
  std::printf("blocks=%u synth_ms=%.1f stop_ms=%.1f opens=%d resumed_block=%u",
              ExposureState.samplePosition / FramesPerBlock, synthesisMs, stopMs, count.opened,
              count.resumedBlock);
  if (held.heldMs > 0) std::printf(" stalled_ms=%.1f", held.heldMs);
  if (stall && held.requeuedMs >= 0) std::printf(" requeued_ms=%.1f", held.requeuedMs);
  if (stall && held.requeuedMs < 0) std::printf(" requeued_ms=none");
  if (late) std::printf(" held=%d", NoticesHeld());
  std::printf("\n");
  std::fflush(stdout);
  return waited == WAIT_OBJECT_0 ? 0 : 1;
}
