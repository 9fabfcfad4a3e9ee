// Catches light that drifts from the sound in a session: the wrong block at
// a quarter-second boundary, or a brightness ramp that is not the sound's fade.
#include <gtest/gtest.h>

#include <vector>

#include "exposure/SessionClock.h"

namespace {

// 10 s: a slide of 2 s from 10,00 Hz to 6,00 Hz, then 8 s at 12 Hz in
// another mode; fades of 1 s in and 2 s out.
Session TestSession() {
  Session session;
  SessionError error;
  const bool parsed = ParseSession("fade-in 1s\nfade-out 2s\n2s 1 10 6\n8s 3 12\n", "test",
                                   session, error);
  EXPECT_TRUE(parsed) << error.message;
  return session;
}

}  // namespace

TEST(SessionClock, BlockAndFrameAtQuarterSecondBoundaries) {
  const struct { uint32_t ms; uint64_t block; uint64_t frame; } cases[] = {
      {0, 0, 0}, {1, 0, 44}, {249, 0, 10980}, {250, 1, 11025}, {499, 1, 22005},
      {500, 2, 22050}, {1000, 4, 44100}, {4294967295u, 17179869, 189408057709}};
  for (const auto& c : cases) {
    EXPECT_EQ(SessionBlockAt(c.ms), c.block) << c.ms;
    EXPECT_EQ(SessionFrameAt(c.ms), c.frame) << c.ms;
  }
}

TEST(SessionClock, FrequencyAndSegmentOfTheBlockPlaying) {
  const Session session = TestSession();
  const struct { uint32_t ms; uint32_t frequency; size_t segment; } cases[] = {
      {0, 1000, 0},    {249, 1000, 0},  {250, 943, 0},   {1999, 600, 0},
      {2000, 1200, 1}, {9999, 1200, 1}, {60000, 1200, 1}};
  for (const auto& c : cases) {
    const ScheduledBlock block = SessionBlockAtTime(session, c.ms);
    EXPECT_EQ(block.frequency, c.frequency) << c.ms;
    EXPECT_EQ(block.segment, c.segment) << c.ms;
  }
  EXPECT_EQ(SessionLengthMs(session), 10000u);
}

// The brightness is the sound's fade at the frame playing then: a block of
// full-scale samples faded by the sound's own procedure gives the levels.
TEST(SessionClock, BrightnessRampIsTheSoundsFadeAtItsBoundaries) {
  const Session session = TestSession();
  const struct { uint32_t ms; int level; } cases[] = {
      {0, 0},       {1, 0},       {500, 127},   {999, 254},   {1000, 255}, {5000, 255},
      {8000, 255},  {8001, 254},  {9000, 127},  {9999, 0},    {10000, 0},  {20000, 0}};
  std::vector<StereoFrame> block(FramesPerBlock);
  for (const auto& c : cases) {
    EXPECT_EQ(FadedLevel(255, session, c.ms), c.level) << c.ms;
    const uint64_t frame = SessionFrameAt(c.ms);
    if (frame >= SessionBlocks(session) * FramesPerBlock) continue;
    const uint64_t first = frame / FramesPerBlock * FramesPerBlock;
    block.assign(FramesPerBlock, StereoFrame{255, 255});
    ApplySessionFades(session, first, block.data());
    EXPECT_EQ(FadedLevel(255, session, c.ms), block[frame - first].left) << c.ms;
  }
  EXPECT_EQ(FadedColour(0x00FEFEFE, session, 500), 0x007F7F7Fu);
  EXPECT_EQ(FadedColour(0x00804020, session, 9000), 0x00402010u);
}
