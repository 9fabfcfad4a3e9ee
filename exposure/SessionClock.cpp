#include "exposure/SessionClock.h"

uint64_t SessionBlockAt(uint32_t elapsedMs) { return elapsedMs / SessionBlockMs; }

uint64_t SessionFrameAt(uint32_t elapsedMs) {
  return uint64_t{elapsedMs} * FramesPerSecond / 1000;
}

uint64_t SessionLengthMs(const Session& session) { return SessionBlocks(session) * SessionBlockMs; }

ScheduledBlock SessionBlockAtTime(const Session& session, uint32_t elapsedMs) {
  const uint64_t blocks = SessionBlocks(session);
  const uint64_t block = SessionBlockAt(elapsedMs);
  return ScheduleBlock(session, block < blocks ? block : blocks - 1);
}

int FadedLevel(int level, const Session& session, uint32_t elapsedMs) {
  const uint64_t frames = SessionBlocks(session) * FramesPerBlock;
  const uint64_t frame = SessionFrameAt(elapsedMs);
  const uint64_t fadeIn = uint64_t{session.fadeInBlocks} * FramesPerBlock;
  const uint64_t fadeOut = uint64_t{session.fadeOutBlocks} * FramesPerBlock;
  return FadedSample(static_cast<int16_t>(level), frame < frames ? frame : frames - 1, frames,
                     fadeIn, fadeOut);
}

uint32_t FadedColour(uint32_t colour, const Session& session, uint32_t elapsedMs) {
  uint32_t faded = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int channel = static_cast<int>((colour >> shift) & 0xFF);
    faded |= static_cast<uint32_t>(FadedLevel(channel, session, elapsedMs)) << shift;
  }
  return faded;
}
