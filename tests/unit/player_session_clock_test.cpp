// Catches light that drifts from the sound in a session: the wrong block at
// a quarter-second boundary, a brightness ramp that is not the sound's fade,
// and player texts that misstate the schedule.
#include <gtest/gtest.h>

#include <vector>

#include "exposure/ExposureState.h"
#include "exposure/SessionClock.h"
#include "player/PlayerText.h"

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

TEST(PlayerText, DescriptionAndProgressInBothLanguages) {
  const Session session = TestSession();
  StoreField(ExposureState.language, LanguageEnglish);
  EXPECT_EQ(DescribeSession(session), "0:10, 2 segments, from 6,00 to 12,00 Hz");
  EXPECT_EQ(SessionProgress(session, 250), "0:00 / 0:10, segment 1 of 2, 9,43 Hz");
  EXPECT_EQ(SessionProgress(session, 65000), "0:10 / 0:10, segment 2 of 2, 12,00 Hz");
  StoreField(ExposureState.language, LanguageRussian);
  // "сегмент 2 из 2", "Гц" in Windows-1251
  EXPECT_EQ(SessionProgress(session, 2000),
            "0:02 / 0:10, \xF1\xE5\xE3\xEC\xE5\xED\xF2 2 \xE8\xE7 2, 12,00 \xC3\xF6");
  EXPECT_EQ(MinutesSeconds(3599), "59:59");
  EXPECT_EQ(MinutesSeconds(4500), "75:00");
}
