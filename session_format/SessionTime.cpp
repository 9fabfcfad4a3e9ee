#include "session_format/SessionTime.h"

int16_t FadedSample(int16_t sample, uint64_t j, uint64_t frames, uint64_t fadeInFrames,
                    uint64_t fadeOutFrames) {
  // Sample times frame count stays below 2^15 x 2^34: well inside 64 bits.
  const int64_t s = sample;
  if (j < fadeInFrames)
    return static_cast<int16_t>(s * static_cast<int64_t>(j) / static_cast<int64_t>(fadeInFrames));
  if (fadeOutFrames > 0 && j >= frames - fadeOutFrames && j < frames)
    return static_cast<int16_t>(s * static_cast<int64_t>(frames - j) /
                                static_cast<int64_t>(fadeOutFrames));
  return sample;
}

uint64_t SessionFrameAt(uint32_t elapsedMs) {
  return uint64_t{elapsedMs} * FramesPerSecond / 1000;
}

uint64_t SessionMsAt(uint64_t frame) { return frame * 1000 / FramesPerSecond; }

uint64_t SessionFrames(const Session& session) { return SessionBlocks(session) * FramesPerBlock; }

uint64_t SessionLengthMs(const Session& session) { return SessionBlocks(session) * SessionBlockMs; }

ScheduledBlock SessionBlockAtFrame(const Session& session, uint64_t frame) {
  const uint64_t blocks = SessionBlocks(session);
  const uint64_t block = frame / FramesPerBlock;
  return ScheduleBlock(session, block < blocks ? block : blocks - 1);
}

ScheduledBlock SessionBlockAtTime(const Session& session, uint32_t elapsedMs) {
  return SessionBlockAtFrame(session, SessionFrameAt(elapsedMs));
}

int FadedLevel(int level, const Session& session, uint64_t frame) {
  const uint64_t frames = SessionFrames(session);
  const uint64_t fadeIn = uint64_t{session.fadeInBlocks} * FramesPerBlock;
  const uint64_t fadeOut = uint64_t{session.fadeOutBlocks} * FramesPerBlock;
  return FadedSample(static_cast<int16_t>(level), frame < frames ? frame : frames - 1, frames,
                     fadeIn, fadeOut);
}

uint32_t FadedColour(uint32_t colour, const Session& session, uint64_t frame) {
  uint32_t faded = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int channel = static_cast<int>((colour >> shift) & 0xFF);
    faded |= static_cast<uint32_t>(FadedLevel(channel, session, frame)) << shift;
  }
  return faded;
}

