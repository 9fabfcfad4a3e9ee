// Catches light that drifts from the sound in a session: the wrong block at
// a quarter-second boundary, or a brightness ramp that is not the sound's fade.
#include <gtest/gtest.h>

#include <vector>

#include "session_format/SessionReader.h"
#include "sound/SessionClock.h"
#include "sound/SessionSound.h"

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
    EXPECT_EQ(SessionFrameAt(c.ms) / FramesPerBlock, c.block) << c.ms;
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
    EXPECT_EQ(FadedLevel(255, session, SessionFrameAt(c.ms)), c.level) << c.ms;
    const uint64_t frame = SessionFrameAt(c.ms);
    if (frame >= SessionBlocks(session) * FramesPerBlock) continue;
    const uint64_t first = frame / FramesPerBlock * FramesPerBlock;
    block.assign(FramesPerBlock, StereoFrame{255, 255});
    ApplySessionFades(session, first, block.data());
    EXPECT_EQ(FadedLevel(255, session, frame), block[frame - first].left) << c.ms;
  }
  EXPECT_EQ(FadedColour(0x00FEFEFE, session, SessionFrameAt(500)), 0x007F7F7Fu);
  EXPECT_EQ(FadedColour(0x00804020, session, SessionFrameAt(9000)), 0x00402010u);
}

TEST(SessionClock, ReadersFollowTheSoundAndNeverGoBack) {
  // Catches light shown before the sound is heard, a reading of another
  // exposure taken for this one, a clock that runs on while paused, or one
  // that jumps back when a new device starts behind what was shown.
  ClockReader reader{0, 0};
  uint64_t frame = 0;
  // The published position outlives a test: each run reads an exposure of its own.
  static uint32_t runs = 0;
  const uint32_t exposure = 900 + 2 * ++runs;
  EXPECT_FALSE(ReadSessionClock(exposure, 1000, reader, frame));
  PublishSoundPosition({exposure - 1, 5000, 1000, true});
  EXPECT_FALSE(ReadSessionClock(exposure, 1000, reader, frame));
  const struct {
    SoundPosition published;
    uint32_t nowMs;
    uint64_t shown;
  } steps[] = {
      {{exposure, 441, 1000, true}, 1010, 441 + 441},    // 10 ms on at 44.1 a millisecond
      {{exposure, 441, 1000, true}, 990, 882},           // read before the reading: held
      {{exposure, 2000, 1020, false}, 5000, 2000},       // paused: still
      {{exposure, 1500, 5000, true}, 5010, 2000},        // a new device behind: held
      {{exposure, 1500, 5000, true}, 5020, 2382},        // and caught up
      {{exposure, 1ull << 32, 0xFFFFFFF6u, true}, 4, (1ull << 32) + 617},  // 14 ms over a wrap
  };
  for (const auto& step : steps) {
    PublishSoundPosition(step.published);
    ASSERT_TRUE(ReadSessionClock(exposure, step.nowMs, reader, frame));
    EXPECT_EQ(frame, step.shown) << step.nowMs;
  }
}

TEST(SessionClock, DeviceCountsExtendPastTheirWrap) {
  // Catches a device count in bytes taken for frames, or a wrap of the
  // 32-bit count that sends the light back 27 hours.
  DeviceCount samples{0, 0}, bytes{0, 0};
  EXPECT_EQ(FramesPlayed(samples, 4000000000u, false), 4000000000u);
  EXPECT_EQ(FramesPlayed(samples, 5, false), (uint64_t{1} << 32) + 5);
  EXPECT_EQ(FramesPlayed(bytes, 44100, true), 11025u);
  EXPECT_EQ(FramesPlayed(bytes, 8, true), ((uint64_t{1} << 32) + 8) / 4);
}
