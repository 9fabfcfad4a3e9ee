#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "WaveBytes.h"
#include "session_format/SessionFile.h"
#include "session_format/SessionReader.h"
#include "session_format/SessionSchedule.h"
#include "session_format/SessionTime.h"
#include "sound/SessionSound.h"
#include "sound/Synthesis.h"
#include "sound/render_sound/RenderSession.h"
#include "sound/voices/VoicePhases.h"

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

// A session's sound as the worker keeps it, its music found where written.
SessionSound Started(Session& session) {
  session.musicPath = session.musicFile;
  SessionSound sound{};
  SessionError error{};
  EXPECT_TRUE(StartSessionSound(sound, session, "session", error)) << error.message;
  return sound;
}

// render-sound's frames of the session, at the listener's level, with the
// samples the mix clamped per segment.
std::vector<StereoFrame> Rendered(const std::string& text, uint32_t position, uint32_t seed,
                                  uint32_t level = 100, std::vector<uint64_t>* clamped = nullptr) {
  Session session = Parsed(text);
  SessionSound sound = Started(session);
  const RenderSettings settings{SoundMode::None, 0, 0, "", position, seed, true, false, false,
                                false, level, "-"};
  std::vector<uint64_t> counts(session.segments.size());
  FILE* file = std::tmpfile();
  EXPECT_EQ(RenderSession(sound, settings, file, nullptr, counts), RenderEnd::Done);
  EndSessionSound(sound);
  if (clamped) *clamped = counts;
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

// Frame j of n under fades of `in` and `out` frames, read from the README:
// s x j / in, s x (n - j) / out, truncated toward zero.
int64_t ReferenceFade(int64_t s, int64_t j, int64_t n, int64_t in, int64_t out) {
  const int64_t num = j < in ? j : j >= n - out ? n - j : 1;
  const int64_t den = j < in ? in : j >= n - out ? out : 1;
  return s * num / den;
}

bool SameFrames(const std::vector<StereoFrame>& a, const std::vector<StereoFrame>& b) {
  return a.size() == b.size() &&
         std::memcmp(a.data(), b.data(), a.size() * sizeof(StereoFrame)) == 0;
}
}  // namespace

TEST(SessionFile, LinesAsAUserWritesThem) {
  const std::vector<SessionSegment> s =
      Parsed("# wind-down\r\n\r\n1s 1 7.8\r\n \t0.75s\t2  7,80 # peaks\n"
             "1.25s 3 12 0,1\n0.5m 4 50#\n0.3s 0 0.10\n0.001m 1 3.33 4\n0." +
             std::string(40, '0') + "1s 2 7")
          .segments;
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
  // Fades anywhere, in blocks rounded up, together as long as the session.
  EXPECT_EQ(Parsed("fade-out 0.3s # two\n1s 1 7\n\tfade-in  0.5s\r\n").fadeInBlocks, 2u);
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
      {"fade-in 1s\n1s 1 7\n# x\nfade-in 2s",
       "session line 4: a second fade-in; the first is on line 1"},
      {"1s 1 7\nfade-in",
       "session line 2: fade-in takes one DURATION, such as fade-in 20s; 0 given"},
      {"fade-out 1s 2s\n1s 1 7", "session line 1: fade-out takes one DURATION"},
      {"fade-in 0s\n1s 1 7", "session line 1: duration 0s is not greater than 0"},
      {"1s 1 7\nfade-out 20", "session line 2: duration '20' is not a decimal number"},
      {"fade-in 4166.67m\n1s 1 7", "duration 4166.67m is longer than 1000000 blocks"},
      {"fade-out 0.5s\n1s 1 7\nfade-in 0.75s",
       "session line 3: the fades together are 5 blocks, longer than the session's 4"},
      {"fade-in 1s\nfade-out 1s", "session: no segment, only blank lines, comments and fades"},
      {"\n # nothing\n\t\n", "session: no segment, only blank lines, comments and fades"},
      {"", "session: no segment"},
      {"1s 1 7 volume 101", "session line 1: volume level 101 is out of range 0..100"},
      {"1s 1 7 8 volume -1", "volume level '-1' is not a whole number 0..100 (per cent)"},
      {"1s 1 7 volume", "volume takes a level 0..100, and it is missing"},
      {"1s 1 7 noise pink", "noise takes a colour (white, pink or brown) and a level 0..100"},
      {"1s 1 7 noise grey 5", "noise 'grey' is not white, pink or brown"},
      {"1s 1 7 light 5", "light 5 is out of range 0..4"},
      {"1s 1 7 colour #12345", "colour '#12345' is not white, red, green, blue, amber, violet"},
      {"1s 1 7 light 1 volume 5 light 2", "session line 1: a second light in one segment"},
      {"1s 1 7 8 loud", "'loud' is not a word of a segment: volume, noise, light, brightness"},
      {"1s 1 7 8 9 volume 5", "session line 1: 5 fields"},
      {"title de Ruhe\n1s 1 7", "session line 1: title takes a language, en or ru"},
      {"title ru  # none\n1s 1 7", "title ru has no text"},
      {"title en A\n1s 1 7\ntitle en B", "session line 3: a second title en; the first is on line 1"},
      {"music 40\n1s 1 7", "music takes a FILE and a LEVEL 0..100, such as music rain.wav 40; 1 given"},
      {"music a.wav loud\n1s 1 7", "music level 'loud' is not a whole number"},
      {"music a.wav 5\nmusic b.wav 5\n1s 1 7", "line 2: a second music; the first is on line 1"},
      // Voices: each check of a voice line, on its own line.
      {"  binaural 200 10 15\n1s 0 7", "session line 1: binaural is a voice, which belongs under"},
      {"1s 0 7\n  binaurl 200 10 15", "line 2: 'binaurl' is not a voice (binaural, monaural"},
      {"1s 0 7\n# x\n  isochronic 200 10", "line 3: isochronic takes CARRIER RATE LEVEL [SHAPE]"},
      {"1s 0 7\n  tone 200 10 sine 1",
       "line 2: tone takes CARRIER LEVEL [WAVE], such as tone 200 "
       "15; 4 given"},
      {"1s 0 7\n  noise pink", "line 2: noise takes COLOUR LEVEL, such as noise pink 30; 1 given"},
      {"1s 0 7\n  binaural 20000.01 10 15", "line 2: carrier 20000.01 is out of range 0..20000"},
      {"1s 0 7\n  binaural 200 -100.01 15", "line 2: beat -100.01 is out of range -100..100"},
      {"1s 0 7\n  isochronic 200 0.09 15", "line 2: rate 0.09 is out of range 0.10..100"},
      {"1s 0 7\n  isochronic 200 -1 15", "line 2: rate '-1' is not in hertz"},
      {"1s 0 7\n  tone 200 100.001", "line 2: level '100.001' is not a per cent with at most two"},
      {"1s 0 7\n  tone 200 0..100.01", "line 2: level 100.01 is out of range 0..100"},
      {"1s 0 7\n  tone f 10", "line 2: carrier 'f' is not in hertz with at most two decimals"},
      {"1s 0 7\n  tone 200.. 10", "line 2: carrier '200..' is not a slide FIRST..LAST"},
      {"1s 0 7\n  tone 200...100 10", "carrier '200...100' is not a slide"},
      {"1s 0 7\n  binaural 200 f..4 10", "line 2: beat 'f..4' is not a slide FIRST..LAST"},
      {"1s 0 7\n  isochronic 200 4 10 round",
       "isochronic shape 'round' is not sine, square, "
       "triangle, saw or smooth"},
      {"1s 0 7\n  tone 200 10 smooth", "tone wave 'smooth' is not sine, square, triangle or saw"},
      {"1s 0 7\n  noise grey 10", "line 2: noise 'grey' is not white, pink or brown"},
      {"1s 0 7\n  spin 300 4 10 grey", "line 2: spin 'grey' is not white, pink or brown"},
      {"1s 0 7\n  spin 20000.01 4 10", "line 2: width 20000.01 is out of range -20000..20000"},
      {"1s 0 7\n  spin 300 4", "line 2: spin takes WIDTH BEAT LEVEL [COLOUR]"},
      {"1s 0 7\n  bell 200..300 10", "line 2: bell carrier '200..300' slides; a bell is struck"},
      {"1s 0 7\n  bell 200 10 sine", "line 2: bell takes CARRIER LEVEL, such as bell 2050 20"},
      {"1s 0 7\n  music 40\n1s 0 7",
       "line 2: a music voice plays the session's music, and there "
       "is no music line"},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf(c.first);
    EXPECT_NE(error.find(c.second), std::string::npos)
        << "'" << c.first << "' gave '" << error << "'";
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
  std::string seventeen = "1s 0 7\n";
  for (int i = 0; i < 17; i++) seventeen += "  tone 100 1\n";
  EXPECT_NE(ErrorOf(seventeen).find("line 18: voice 17 of one segment; a segment has at most 16"),
            std::string::npos);
  // A second program names its own file, and finds the line as a number.
  Session session;
  SessionError e;
  EXPECT_FALSE(ParseSession("1s 1 7\nfade-in x", "relax.txt", session, e));
  EXPECT_TRUE(e.line == 2 && e.message == "relax.txt line 2: " + e.what) << e.message;
}

TEST(SessionFile, WordsTitlesAndMusic) {
  // Catches a word taken for another, a default lost, a colour written red
  // first not turned into a COLORREF, or a title or a file name cut short.
  const Session s = Parsed(
      "\xEF\xBB\xBFtitle ru  \xD0\x9F\xD0\xBE\xD0\xBA\xD0\xBE\xD0\xB9 # rest\n"
      "title en Quiet evening\r\nmusic  my rain.wav\t35\n"
      "1s 1 7 colour #FFbf00 volume 0 noise brown 100 light 0 brightness 40\n"
      "1s 2 7 8 light 4 colour violet\n1s 3 7\n");
  EXPECT_EQ(s.russianTitle, "\xD0\x9F\xD0\xBE\xD0\xBA\xD0\xBE\xD0\xB9");
  EXPECT_EQ(s.englishTitle, "Quiet evening");
  EXPECT_EQ(s.musicFile, "my rain.wav");
  EXPECT_EQ(s.musicLevel, 35u);
  EXPECT_EQ(s.musicLine, 3u);
  ASSERT_EQ(s.segments.size(), 3u);
  const struct {
    uint32_t volume;
    NoiseColour noise;
    uint32_t noiseLevel;
    int32_t light;
    uint32_t brightness, colour;
    uint64_t line;
  } expected[] = {{0, NoiseColour::Brown, 100, 0, 40, 0x00BFFF, 4},
                  {100, NoiseColour::None, 0, 4, 100, 0xFF008F, 5},
                  {100, NoiseColour::None, 0, ChosenPattern, 100, 0xFFFFFF, 6}};
  for (size_t i = 0; i < 3; i++) {
    const SessionSegment& g = s.segments[i];
    EXPECT_TRUE(g.volume == expected[i].volume && g.noise == expected[i].noise &&
                g.noiseLevel == expected[i].noiseLevel && g.light == expected[i].light &&
                g.brightness == expected[i].brightness && g.colour == expected[i].colour &&
                g.line == expected[i].line)
        << i;
  }
  EXPECT_EQ(s.segments[1].lastFrequency, 800u);
}

TEST(SessionFade, EndsOfBothFadesTruncateTowardZero) {
  // A 10-block session fading in over 2 blocks and out over 3: a wrong end,
  // an off-by-one frame or rounding away from zero shows at these frames.
  const uint64_t n = 110250, in = 22050, out = 33075;
  const struct {
    uint64_t j;
    int16_t positive, negative;  // of 32767 and -30001
  } cases[] = {
      {0, 0, 0},
      {in - 1, 32765, -29999},  // 32765.51 and -29999.63
      {in, 32767, -30001},      // past the fade-in: unchanged
      {n - out - 1, 32767, -30001},
      {n - out, 32767, -30001},  // x out / out
      {n - out + 1, 32766, -30000},
      {n - 1, 0, 0},  // 0.99 and -0.91
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FadedSample(32767, c.j, n, in, out), c.positive) << c.j;
    EXPECT_EQ(FadedSample(-30001, c.j, n, in, out), c.negative) << c.j;
    EXPECT_EQ(FadedSample(-30001, c.j, n, 0, 0), -30001) << c.j;
  }
}

TEST(SessionFade, FadesLieOverTheSessionsBlocksNotTheFrameCounter) {
  // Fade-in over the first block, fade-out over the last two, the frame
  // counter starting far from 0: each rendered block is the plain block with
  // frame j of the session scaled.
  const uint32_t position = 123456;
  const auto faded = Rendered("fade-in 0.25s\n0.5s 3 7.8\nfade-out 0.5s\n0.5s 1 12 4", position, 9);
  const auto plain = Synthesized({{SoundMode::NoiseModulation, 780},
                                  {SoundMode::NoiseModulation, 780},
                                  {SoundMode::BrainWaves, 1200},
                                  {SoundMode::BrainWaves, 400}},
                                 position, 9);
  ASSERT_EQ(faded.size(), plain.size());
  const int64_t n = 4 * FramesPerBlock, block = FramesPerBlock;
  size_t wrong = 0;
  for (int64_t j = 0; j < n; j++) {
    wrong += faded[j].left != ReferenceFade(plain[j].left, j, n, block, 2 * block);
    wrong += faded[j].right != ReferenceFade(plain[j].right, j, n, block, 2 * block);
  }
  EXPECT_EQ(wrong, 0u);
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

namespace {
// The README's noise colours, read independently of the program: w = 2r -
// 32767 from the session's own generator; pink from sixteen rows, row k
// renewed every 2^(k+1) frames, summed afresh; brown a leaky sum.
struct ReferenceNoise {
  uint32_t seed = 1;
  uint64_t frame = 0;
  int64_t rows[16] = {}, pinkBefore = 0, brown = 0;

  int64_t Next(NoiseColour colour) {
    seed = seed * 214013u + 2531011u;
    const int64_t white = 2 * static_cast<int64_t>((seed >> 16) & 0x7FFF) - 32767;
    if (__builtin_ctzll(++frame) < 16) rows[__builtin_ctzll(frame)] = white;
    int64_t pink = white;
    for (int64_t r : rows) pink += 2 * r;
    const int64_t shaped = (9 * pink - pinkBefore) / 208;
    pinkBefore = pink;
    brown += white - brown / 1024;
    const int64_t values[] = {0, white, shaped, brown / 75};
    return std::max<int64_t>(-32767, std::min<int64_t>(32767, values[static_cast<int>(colour)]));
  }
};

std::vector<int16_t> Pattern(size_t count, int step) {
  std::vector<int16_t> samples(count);
  for (size_t i = 0; i < count; i++) samples[i] = static_cast<int16_t>((i * step) % 60001 - 30000);
  return samples;
}

}  // namespace

TEST(SessionNoise, FirstFramesAreTheReadmesWorkedValues) {
  // Catches a colour that drifts from the worked values of its definition in
  // the README (the mix test compares whole sessions with that definition).
  const int16_t worked[3][4] = {
      {-32685, 4167, -20099, 20233}, {-4242, -1816, -1994, 1497}, {-435, -379, -647, -377}};
  for (int colour = 1; colour <= 3; colour++) {
    SessionNoise noise{};
    StartSessionNoise(noise);
    for (int j = 0; j < 4; j++)
      EXPECT_EQ(NextNoiseSample(noise, static_cast<NoiseColour>(colour)), worked[colour - 1][j]);
  }
}

TEST(SessionMix, EachKindOfSegmentIsTheFormula) {
  // Catches a level applied in another order or rounded otherwise than by
  // C++'s truncation, noise other than the README's or drawn other than once
  // a frame of the session (also under a segment without noise), noise that
  // differs between the ears, music not at frame j mod L (shorter than the
  // session) or a mono file heard in one ear, the fades laid before the mix,
  // the listener's level not last, or a clamp not counted.
  const std::vector<int16_t> mono = Pattern(7001, 977), stereo = Pattern(2 * 5003, 3331);
  const std::string monoPath = WrittenFile("mix mono.wav", PcmWave(1, mono));
  const std::string stereoPath = WrittenFile("mix stereo.wav", PcmWave(2, stereo));
  const struct {
    std::string text;
    uint32_t level;
  } cases[] = {
      {"fade-in 0.25s\n0.5s 1 7.8 volume 20\nfade-out 0.25s", 100},
      {"0.5s 4 7.8 volume 30 noise white 50", 100},
      {"0.25s 0 7\n0.5s 1 12 4 noise pink 100 volume 0", 100},
      {"fade-out 0.5s\n0.75s 3 7.8 noise brown 100", 100},
      {"music " + monoPath + " 40\n0.75s 2 10 volume 25", 100},
      {"music " + stereoPath + " 60\nfade-out 0.5s\n0.5s 1 7.8 volume 60 noise pink 70\n0.25s 0 7",
       37},
  };
  for (const auto& c : cases) {
    const Session session = Parsed(c.text);
    std::vector<uint64_t> clamped;
    const auto rendered = Rendered(c.text, 0, 1, c.level, &clamped);
    const int64_t n = static_cast<int64_t>(rendered.size());
    const bool isMono = session.musicFile == monoPath;
    const int64_t length = isMono ? 7001 : 5003;
    ReferenceNoise noise;
    uint32_t seed = 1;
    std::vector<uint64_t> expectedClamped(session.segments.size());
    std::vector<StereoFrame> plain(FramesPerBlock);
    size_t wrong = 0;
    for (int64_t j = 0; j < n; j++) {
      const ScheduledBlock block = ScheduleBlock(session, j / FramesPerBlock);
      const SessionSegment& segment = session.segments[block.segment];
      const std::atomic<uint32_t> frequency{block.frequency};
      if (j % FramesPerBlock == 0)
        SynthesizeBlock(block.mode, frequency, static_cast<uint32_t>(j), seed, plain.data());
      const int64_t noiseValue = noise.Next(segment.noise), m = j % length;
      const StereoFrame s = plain[j % FramesPerBlock];
      const int64_t sides[2][3] = {
          {s.left, isMono ? mono[m] : stereo[2 * m], rendered[j].left},
          {s.right, isMono ? mono[m] : stereo[2 * m + 1], rendered[j].right}};
      for (const auto& side : sides) {
        const int64_t music = session.musicFile.empty() ? 0 : side[1];
        const int64_t sum = side[0] * segment.volume / 100 + noiseValue * segment.noiseLevel / 100 +
                            music * session.musicLevel / 100;
        const int64_t out = std::max<int64_t>(-32768, std::min<int64_t>(32767, sum));
        expectedClamped[block.segment] += out != sum;
        const int64_t faded = ReferenceFade(out, j, n, session.fadeInBlocks * FramesPerBlock,
                                            session.fadeOutBlocks * FramesPerBlock);
        wrong += side[2] != faded * c.level / 100;
      }
    }
    EXPECT_EQ(wrong, 0u) << c.text;
    EXPECT_EQ(clamped, expectedClamped) << c.text;
  }
  std::vector<uint64_t> clamped;
  Rendered(cases[5].text, 0, 1, 100, &clamped);
  EXPECT_GT(clamped[0], 1000u);
  EXPECT_EQ(ClampedSegments(Parsed(cases[5].text), clamped), "1 (line 3)");
}

TEST(SessionMix, ABlockAfterAJumpIsTheSessionsOwnAndMusicThatFailsFallsSilent) {
  // Catches noise, music or voices that, after a sound outage, go on from the
  // last block made instead of the block the clock has reached; a render that
  // goes on once its music can no longer be read; a player's block that then
  // plays what it never read instead of the session without the music.
  const std::string path = WrittenFile("jump.wav", PcmWave(2, Pattern(2 * 30011, 71)));
  const std::string segments =
      "\n1s 1 7.8 volume 30 noise brown 60\n  isochronic 300 f 10 smooth\n"
      "1s 1 10 10.5 noise pink 40\n  isochronic 300..330 4..6 10\n  noise white 0..10";
  const auto whole = Rendered("music " + path + " 50" + segments, 0, 1);
  Session session = Parsed("music " + path + " 50" + segments);
  SessionSound sound = Started(session);
  std::vector<StereoFrame> block(FramesPerBlock);
  uint32_t seed = 1;
  for (uint64_t k : {0, 5, 6, 2}) {
    SynthesizeSessionBlock(sound, k, static_cast<uint32_t>(k * FramesPerBlock), seed, 100,
                           block.data());
    EXPECT_TRUE(SameBlock(whole, k, block, 0)) << "block " << k;
  }
  ASSERT_EQ(truncate(path.c_str(), 44 + 4 * 100), 0);
  const RenderSettings settings{SoundMode::None, 0, 0, "", 0, 1, true, false, false,
                                false, 100, "-"};
  std::vector<uint64_t> clamped(2);
  FILE* file = std::tmpfile();
  EXPECT_EQ(RenderSession(sound, settings, file, nullptr, clamped), RenderEnd::MusicFailed);
  std::fclose(file);
  SynthesizeSessionBlock(sound, 5, 5 * FramesPerBlock, seed, 100, block.data());
  EXPECT_TRUE(SameBlock(Rendered(segments, 0, 1), 5, block, 0));
  EndSessionSound(sound);
}

namespace {
// A session's frames, rendered once.
const std::vector<StereoFrame>& RenderedOnce(const std::string& text) {
  static std::map<std::string, std::vector<StereoFrame>> rendered;
  if (rendered.count(text) == 0) rendered[text] = Rendered(text, 0, 1);
  return rendered[text];
}
}  // namespace

TEST(SessionVoices, FramesAreTheReadmesWorkedValues) {
  // Catches a voice whose arithmetic drifts from its definition in the
  // README (the sine, a wave or gate, the phases, the amplitude, the
  // truncation, the ears), or voices not added before the clamp.
  const struct {
    const char* session;
    size_t frame;
    int16_t left, right;
  } cases[] = {
      {"1s 0 10\n  binaural 200 10 15", 1, 136, 143},
      {"1s 0 10\n  binaural 200 10 15", 2, 272, 286},
      {"1s 0 10\n  binaural 200 10 15", 110, 419, -349},
      {"1s 0 10\n  monaural 200 10 15", 1, 140, 140},
      {"1s 0 10\n  monaural 200 10 15", 55, 4911, 4911},
      {"1s 0 10\n  isochronic 200 10 15", 1, 0, 0},
      {"1s 0 10\n  isochronic 200 10 15", 1103, 35, 35},
      {"1s 0 10\n  isochronic 200 10 15", 3307, -35, -35},
      {"1s 0 10\n  isochronic 200 10 15 square", 1, 140, 140},
      {"1s 0 10\n  isochronic 200 10 15 square", 1103, 70, 70},
      {"1s 0 10\n  isochronic 200 10 15 square", 3307, 0, 0},
      {"1s 0 10\n  isochronic 200 10 15 triangle", 1103, 35, 35},
      {"1s 0 10\n  isochronic 200 10 15 saw", 3307, -52, -52},
      {"1s 0 10\n  isochronic 200 10 15 smooth", 1, 0, 0},
      {"1s 0 10\n  isochronic 200 10 15 smooth", 1103, 70, 70},
      {"1s 0 10\n  tone 441 30", 1, 617, 617},
      {"1s 0 10\n  tone 441 30", 12, 6729, 6729},
      {"1s 0 10\n  tone 441 30", 62, -6729, -6729},
      {"1s 0 10\n  tone 441 30 square", 12, 9830, 9830},
      {"1s 0 10\n  tone 441 30 square", 62, -9830, -9830},
      {"1s 0 10\n  tone 441 30 triangle", 12, 4718, 4718},
      {"1s 0 10\n  tone 441 30 triangle", 37, 5111, 5111},
      {"1s 0 10\n  tone 441 30 saw", 12, 2359, 2359},
      {"1s 0 10\n  tone 441 30 saw", 62, -7470, -7470},
      // A level's slide: nothing at the first frame, full scale at the last.
      {"1s 0 10\n  tone 441 0..100 square", 0, 0, 0},
      {"1s 0 10\n  tone 441 0..100 square", 22050, -16383, -16383},
      {"1s 0 10\n  tone 441 0..100 square", 44099, -32767, -32767},
      {"1s 0 10\n  noise pink 30", 0, -1272, -1272},
      {"1s 0 10\n  noise pink 30", 1, -544, -544},
      // Block 1 starts half-way through a pulse: (1000 mod 400) / 400.
      {"1s 0 10 12\n  isochronic 200 f 15 square", 13093, 0, 0},
      {"1s 0 10 12\n  isochronic 200 f 15 square", 13094, 3291, 3291},
      // Several voices and the mode: each truncated, then added.
      {"1s 0 10\n  noise pink 30\n  noise brown 10..20\n  binaural 200 10 15", 1, -445, -438},
      {"1s 1 7.8 volume 20\n  binaural 200 10 15", 1, 221 + 136, 228 + 143},
      // A spin hears the noise 127 frames back, give or take its offset,
      // silence before the session; at 20000 microseconds the offset stops
      // at 127. A bell steps down every 2205 frames and rings on past its
      // segment.
      {"1s 0 10\n  spin 300 10 30", 127, -598, 0},
      {"1s 0 10\n  spin 300 10 30", 1102, -325, -2106},
      {"1s 0 10\n  spin 300 10 30", 3000, 2197, 1117},
      {"1s 0 10\n  spin 300 10 30", 4410, 1268, 1268},
      {"1s 0 10\n  spin 20000 10 30", 1102, 1428, 3397},
      {"1s 0 10\n  bell 441 30\n0.25s 0 10", 1, 617, 617},
      {"1s 0 10\n  bell 441 30\n0.25s 0 10", 2205, 2783, 2783},
      {"1s 0 10\n  bell 441 30\n0.25s 0 10", 22062, -2810, -2810},
      {"1s 0 10\n  bell 441 30\n0.25s 0 10", 44112, 1170, 1170},
      // The voices add before the clamp.
      {"1s 0 10\n  tone 441 100 square\n  tone 441 100 square", 12, 32767, 32767},
  };
  for (const auto& c : cases) {
    const std::vector<StereoFrame>& frames = RenderedOnce(c.session);
    ASSERT_GT(frames.size(), c.frame);
    EXPECT_EQ(frames[c.frame].left, c.left) << c.session << " frame " << c.frame;
    EXPECT_EQ(frames[c.frame].right, c.right) << c.session << " frame " << c.frame;
  }
}

TEST(SessionVoices, ACarriedVoiceGoesOnAndANewOneStartsAtPhaseZero) {
  // Catches a voice that starts again at the edge of a segment (a click), a
  // carried phase other than the one reached, or a new voice that does not
  // start at phase 0.
  const auto& whole =
      RenderedOnce("1.5s 0 10\n  binaural 200 -7.5 20\n  isochronic 300 f 10 smooth");
  const auto& split = RenderedOnce(
      "1s 0 10\n  binaural 200 -7.5 20\n  isochronic 300 f 10 smooth\n"
      "0.5s 0 10\n  binaural 200 -7.5 20\n  isochronic 300 f 10 smooth");
  ASSERT_EQ(whole.size(), split.size());
  size_t apart = 0;
  for (size_t j = 0; j < whole.size(); j++)
    apart += std::abs(whole[j].left - split[j].left) > 1 ||
             std::abs(whole[j].right - split[j].right) > 1;
  EXPECT_EQ(apart, 0u);
  // Sliding into the edge: no step there larger than the tone's own steps.
  const size_t edge = 4 * FramesPerBlock;
  const auto& sliding = RenderedOnce("1s 0 10\n  tone 300..150 30\n0.5s 0 10\n  tone 150 30");
  int largest = 0;
  for (size_t j = edge - 300; j < edge; j++)
    largest = std::max(largest, std::abs(sliding[j].left - sliding[j - 1].left));
  EXPECT_LE(std::abs(sliding[edge].left - sliding[edge - 1].left), largest + 1);
  // Another kind in the same place starts anew.
  EXPECT_NE(RenderedOnce("1s 0 10\n  tone 301.25 30\n0.5s 0 10\n  tone 301.25 30")[edge].left, 0);
  EXPECT_EQ(RenderedOnce("1s 0 10\n  tone 301.25 30\n0.5s 0 10\n  binaural 301.25 0 30")[edge].left,
            0);
}

TEST(SessionVoices, ClosedFormsMeetTheFrameByFrameRule) {
  // Catches a block's first phase that is not where the frames before it
  // lead (a seam at every block), a slide that misses its last value, or a
  // sum of the followed frequency other than the blocks' own.
  const Session session = Parsed(
      "2.5s 0 4 12\n  binaural 200..20000 -100..100 15\n0.75s 0 50 0.1\n  isochronic 300 f 10");
  const SessionSegment& sliding = session.segments[0];
  const uint64_t frames = 10 * FramesPerBlock;
  EXPECT_EQ(SlideAt(20000, 1980000, 0, frames), 20000);
  EXPECT_EQ(SlideAt(20000, 1980000, frames - 1, frames), 2000000);
  const Voice& voice = sliding.voices[0];
  VoicePhases phase = BlockPhases(sliding, voice, {0.25, 0.75}, 3);
  for (uint64_t k = 3 * FramesPerBlock; k < 4 * FramesPerBlock; k++) {
    phase.carrier = TurnOf(phase.carrier + SlideAt(20000, 1980000, k, frames) * TurnsPerHundredth);
    phase.second = TurnOf(phase.second + SlideAt(-5000, 10000, k, frames) * TurnsPerHundredth);
  }
  const VoicePhases next = BlockPhases(sliding, voice, {0.25, 0.75}, 4);
  EXPECT_NEAR(phase.carrier, next.carrier, 1e-9);
  EXPECT_NEAR(phase.second, next.second, 1e-9);
  for (const SessionSegment& segment : session.segments) {
    uint64_t sum = 0;
    for (uint32_t b = 0; b <= segment.blocks; b++) {
      EXPECT_EQ(SegmentFrequencySum(segment, b), sum) << b;
      if (b < segment.blocks) sum += SegmentFrequency(segment, b);
    }
  }
}

TEST(SessionVoices, SpinsAndBellsAfterAJumpAreTheWholeRendersAndDieAway) {
  // Catches a spin that hears the noise of the block made before instead of
  // the frames before its own, a bell lost in a block after a jump, one cut
  // at its segment's end, or one that never falls silent.
  const std::string text =
      "1s 0 10\n  spin 300 4 30 brown\n  bell 2050 100\n1s 0 10\n  spin 300..600 f 30 brown\n"
      "  noise pink 10\n4s 0 10";
  const auto& whole = RenderedOnce(text);
  Session session = Parsed(text);
  SessionSound sound = Started(session);
  std::vector<StereoFrame> block(FramesPerBlock);
  uint32_t seed = 1;
  for (uint64_t k : {5, 6, 1, 7, 3, 12}) {
    SynthesizeSessionBlock(sound, k, static_cast<uint32_t>(k * FramesPerBlock), seed, 100,
                           block.data());
    EXPECT_TRUE(SameBlock(whole, k, block, 0)) << "block " << k;
  }
  EndSessionSound(sound);
  // The bell at 100 rings 84 steps of 2205 frames; then nothing is heard.
  const size_t rings = 84 * 2205;
  EXPECT_TRUE(std::any_of(whole.begin() + rings - 2205, whole.begin() + rings,
                          [](const StereoFrame& f) { return f.left != 0; }));
  EXPECT_TRUE(std::all_of(whole.begin() + rings, whole.end(),
                          [](const StereoFrame& f) { return f.left == 0 && f.right == 0; }));
}

TEST(SessionVoices, AMusicVoicePlaysTheMusicAtItsOwnLevel) {
  // Catches a music voice that plays under the music line's level instead of
  // in its place, or scales the music otherwise than trunc(m x l / 10000).
  const std::vector<int16_t> stereo = Pattern(2 * 3001, 911);
  const std::string path = WrittenFile("voice music.wav", PcmWave(2, stereo));
  const auto frames =
      Rendered("music " + path + " 50\n0.25s 0 10\n  music 20..40\n0.25s 0 10", 0, 1);
  size_t wrong = 0;
  for (size_t j = 0; j < frames.size(); j++) {
    const int64_t m = stereo[2 * (j % 3001)];
    const double level = 2000 + 2000.0 * (static_cast<double>(j) / (FramesPerBlock - 1));
    const int64_t expected = j < FramesPerBlock ? static_cast<int64_t>(m * level / 10000) : m / 2;
    wrong += frames[j].left != expected;
  }
  EXPECT_EQ(wrong, 0u);
}
