#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "sound/Synthesis.h"
#include "sound/SessionFile.h"
#include "sound/SessionSchedule.h"
#include "sound/render_sound/RenderSession.h"

namespace {
Session Parsed(const std::string& text) {
  Session session;
  SessionError error;
  EXPECT_TRUE(ParseSession(text, "session", session, error)) << error.message;
  return session;
}

std::string ErrorOf(const std::string& text) {
  Session session;
  SessionError error;
  EXPECT_FALSE(ParseSession(text, "session", session, error)) << text;
  return error.message;
}

std::vector<StereoFrame> Rendered(const std::string& session, uint32_t position, uint32_t seed) {
  FILE* file = std::tmpfile();
  EXPECT_TRUE(RenderSession(Parsed(session), position, seed, true, file, nullptr));
  std::vector<StereoFrame> frames(static_cast<size_t>(std::ftell(file)) / sizeof(StereoFrame));
  std::rewind(file);
  EXPECT_EQ(std::fread(frames.data(), sizeof(StereoFrame), frames.size(), file), frames.size());
  std::fclose(file);
  return frames;
}

// What the audio worker would play: block after block at the given mode and
// frequency, the frame counter and the generator running on.
std::vector<StereoFrame> Synthesized(const std::vector<std::pair<SoundMode, uint32_t>>& blocks,
                                     uint32_t position, uint32_t seed) {
  std::vector<StereoFrame> frames(blocks.size() * FramesPerBlock);
  for (size_t b = 0; b < blocks.size(); b++) {
    const std::atomic<uint32_t> frequency{blocks[b].second};
    SynthesizeBlock(blocks[b].first, frequency, position, seed, &frames[b * FramesPerBlock]);
    position += FramesPerBlock;
  }
  return frames;
}

bool SameBlock(const std::vector<StereoFrame>& a, size_t blockA, const std::vector<StereoFrame>& b,
               size_t blockB) {
  return std::memcmp(&a[blockA * FramesPerBlock], &b[blockB * FramesPerBlock],
                     FramesPerBlock * sizeof(StereoFrame)) == 0;
}

bool SameFrames(const std::vector<StereoFrame>& a, const std::vector<StereoFrame>& b) {
  return a.size() == b.size() &&
         std::memcmp(a.data(), b.data(), a.size() * sizeof(StereoFrame)) == 0;
}
}  // namespace

TEST(SessionFile, LinesAsAUserWritesThem) {
  const auto s = Parsed(
      "# wind-down\r\n\r\n1s 1 7.8\r\n \t0.75s\t2  7,80 # peaks\n"
      "1.25s 3 12 0,1\n0.5m 4 50#\n0.3s 0 0.10\n0.001m 1 3.33 4\n0." +
      std::string(40, '0') + "1s 2 7").segments;
  const uint32_t blocks[] = {4, 3, 5, 120, 2, 1, 1};
  const uint32_t first[] = {780, 780, 1200, 5000, 10, 333, 700};
  const uint32_t last[] = {780, 780, 10, 5000, 10, 400, 700};
  ASSERT_EQ(s.size(), 7u);
  for (size_t i = 0; i < s.size(); i++) {
    EXPECT_EQ(s[i].blocks, blocks[i]) << i;
    EXPECT_EQ(s[i].firstFrequency, first[i]) << i;
    EXPECT_EQ(s[i].lastFrequency, last[i]) << i;
    EXPECT_EQ(s[i].mode, static_cast<SoundMode>(i < 4 ? i + 1 : i - 4)) << i;
  }
  // 4166.666 minutes are 999999.84 blocks: the session holds 1000000 at most.
  EXPECT_EQ(SessionBlocks(Parsed("4166.666m 0 7")), 1000000u);
  EXPECT_EQ(SessionBlocks(Parsed("4166m 0 7\n\n40s 0 7")), 1000000u);
}

TEST(SessionFile, BadLinesNameTheLineAndWhatIsAllowed) {
  const std::pair<const char*, const char*> cases[] = {
      {"1s 1 7\n\n# x\n1s 1 50.01", "session line 4: frequency 50.01 is out of range 0.10..50.00"},
      {"1s 1 0,09", "session line 1: frequency 0,09 is out of range 0.10..50.00"},
      {"1s 1 7 50.5", "session line 1: frequency 50.5 is out of range 0.10..50.00"},
      {"1s 1 7.805",
       "session line 1: frequency '7.805' is not in hertz with at most two "
       "decimals, such as 12, 7.8 or 7,80"},
      {"1s 1 7.", "frequency '7.'"},
      {"1s 1 .5", "frequency '.5'"},
      {"1s 1 -7", "frequency '-7'"},
      {"0s 1 7", "session line 1: duration 0s is not greater than 0"},
      {"0.000m 1 7", "duration 0.000m is not greater than 0"},
      {"1 1 7",
       "session line 1: duration '1' is not a decimal number followed by m or s, "
       "such as 20m or 1.5s"},
      {"1,5s 1 7", "duration '1,5s'"},
      {".5s 1 7", "duration '.5s'"},
      {"1.s 1 7", "duration '1.s'"},
      {"1h 1 7", "duration '1h'"},
      {"4166.67m 0 7", "duration 4166.67m is longer than 1000000 blocks"},
      {"4166m 0 7\n40.01s 0 7", "session line 2: the session grows beyond 1000000 blocks"},
      {"1s 5 7", "session line 1: mode 5 is out of range 0..4"},
      {"1s one 7", "session line 1: mode 'one' is not a sound mode 0..4"},
      {"1s 1", "session line 1: 2 fields, where a segment is DURATION MODE FREQUENCY [FREQUENCY]"},
      {"1s 1 7 8 9", "session line 1: 5 fields"},
      {"1s 1 7\r\r\n", "frequency '7?'"},
      {"\n # nothing\n\t\n", "session: no segment, only blank lines, comments and fades"},
      {"", "session: no segment"},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf(c.first);
    EXPECT_NE(error.find(c.second), std::string::npos)
        << "'" << c.first << "' gave '" << error << "'";
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

TEST(SessionRender, SlideBlocksAreTheSynthesisAtTheFrequenciesOnTheWay) {
  // Rising 4 -> 12 Hz over 10 blocks: 400 + 800 k / 9.
  const auto rising = Rendered("2.5s 1 4 12", 0, 1);
  ASSERT_EQ(rising.size(), 10 * FramesPerBlock);
  EXPECT_TRUE(SameBlock(rising, 0, Synthesized({{SoundMode::BrainWaves, 400}}, 0, 1), 0));
  EXPECT_TRUE(SameBlock(rising, 4, Synthesized({{SoundMode::BrainWaves, 755}}, 4 * 11025, 1), 0));
  EXPECT_TRUE(SameBlock(rising, 9, Synthesized({{SoundMode::BrainWaves, 1200}}, 9 * 11025, 1), 0));
  // Falling 7.80 -> 3.33 Hz over 7 blocks, a step of -74.5: truncated toward
  // zero, never down (706, not 705), and the generator running through.
  const std::vector<std::pair<SoundMode, uint32_t>> falling = {
      {SoundMode::NoiseWaves, 780}, {SoundMode::NoiseWaves, 706}, {SoundMode::NoiseWaves, 631},
      {SoundMode::NoiseWaves, 557}, {SoundMode::NoiseWaves, 482}, {SoundMode::NoiseWaves, 408},
      {SoundMode::NoiseWaves, 333}};
  EXPECT_TRUE(SameFrames(Rendered("1.75s 4 7,8 3.33", 500, 77), Synthesized(falling, 500, 77)));
}

TEST(SessionRender, SegmentsJoinAsOneExposure) {
  // Across the wrap of the frame counter, with the generator running on
  // through a segment that draws nothing.
  const uint32_t position = 4294967295u - 20000;
  const auto joined = Rendered("0.5s 3 7.8\n# pause\n0.25s 1 12\n0.25s 4 4", position, 12345);
  EXPECT_TRUE(SameFrames(joined, Synthesized({{SoundMode::NoiseModulation, 780},
                                              {SoundMode::NoiseModulation, 780},
                                              {SoundMode::BrainWaves, 1200},
                                              {SoundMode::NoiseWaves, 400}},
                                             position, 12345)));
}
