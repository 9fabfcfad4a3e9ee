#include "sound/SessionClock.h"

#include <atomic>

namespace {

// The published position, guarded by a sequence count that is odd while the
// worker writes: a reader that saw the same even count before and after its
// loads has read one whole position. Atomics, so that the loads that race
// with a write are defined; the acquire and release order the count around
// the fields.
std::atomic<uint32_t> sequence;
std::atomic<uint32_t> publishedExposure, frameLow, frameHigh, readingMs, advancing;

}  // namespace

void PublishSoundPosition(const SoundPosition& position) {
  const uint32_t count = sequence.load(std::memory_order_relaxed);
  sequence.store(count + 1, std::memory_order_relaxed);
  std::atomic_thread_fence(std::memory_order_release);
  publishedExposure.store(position.exposure, std::memory_order_relaxed);
  frameLow.store(static_cast<uint32_t>(position.frame), std::memory_order_relaxed);
  frameHigh.store(static_cast<uint32_t>(position.frame >> 32), std::memory_order_relaxed);
  readingMs.store(position.readingMs, std::memory_order_relaxed);
  advancing.store(position.advancing ? 1 : 0, std::memory_order_relaxed);
  sequence.store(count + 2, std::memory_order_release);
}

bool LatestSoundPosition(uint32_t exposure, SoundPosition& position) {
  uint32_t before, after;
  do {
    before = sequence.load(std::memory_order_acquire);
    position.exposure = publishedExposure.load(std::memory_order_relaxed);
    position.frame = uint64_t{frameHigh.load(std::memory_order_relaxed)} << 32 |
                     frameLow.load(std::memory_order_relaxed);
    position.readingMs = readingMs.load(std::memory_order_relaxed);
    position.advancing = advancing.load(std::memory_order_relaxed) != 0;
    std::atomic_thread_fence(std::memory_order_acquire);
    after = sequence.load(std::memory_order_relaxed);
  } while (before != after || (before & 1) != 0);
  return before != 0 && position.exposure == exposure;
}

uint64_t FrameAt(const SoundPosition& position, uint32_t nowMs) {
  // The difference of two multimedia times is right across their wrap; a
  // reading made after the reader took its time counts as made then.
  const int32_t sinceMs = static_cast<int32_t>(nowMs - position.readingMs);
  if (!position.advancing || sinceMs <= 0) return position.frame;
  return position.frame + SessionFrameAt(static_cast<uint32_t>(sinceMs));
}

bool ReadSessionClock(uint32_t exposure, uint32_t nowMs, ClockReader& reader, uint64_t& frame) {
  if (reader.exposure != exposure) reader = ClockReader{exposure, 0};
  SoundPosition position;
  if (!LatestSoundPosition(exposure, position)) return false;
  const uint64_t now = FrameAt(position, nowMs);
  if (now > reader.lastFrame) reader.lastFrame = now;
  frame = reader.lastFrame;
  return true;
}

uint64_t FramesPlayed(DeviceCount& count, uint32_t reported, bool inBytes) {
  if (reported < count.last) count.wraps++;
  count.last = reported;
  const uint64_t total = count.wraps << 32 | reported;
  return inBytes ? total / sizeof(StereoFrame) : total;
}
