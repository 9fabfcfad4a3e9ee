#include <gtest/gtest.h>

#include <vector>

#include "sound/render_sound/RenderArguments.h"

namespace {
bool Parse(std::vector<const char*> args, RenderSettings& settings, std::string& error) {
  args.insert(args.begin(), "render-sound");
  return ParseRenderArguments(static_cast<int>(args.size()), args.data(), settings, error);
}

std::string ErrorOf(std::vector<const char*> args) {
  RenderSettings settings;
  std::string error;
  EXPECT_FALSE(Parse(args, settings, error));
  return error;
}

// The settings that the arguments give, as one line, or the error.
std::string SettingsOf(std::vector<const char*> args) {
  RenderSettings s;
  std::string error;
  if (!Parse(args, s, error)) return error;
  return "mode " + std::to_string(static_cast<int>(s.mode)) + " frequency " + std::to_string(s.frequency) +
         " blocks " + std::to_string(s.blocks) + " position " + std::to_string(s.position) + " seed " +
         std::to_string(s.seed) + " volume " + std::to_string(s.volume) + " raw " +
         std::to_string(s.raw) + " output " + s.output;
}

uint32_t Read32(const unsigned char* at) {
  return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24;
}
}  // namespace

// Unset, position 0 and seed 1, as a fresh process starts; every option is
// taken in any order.
TEST(RenderArguments, DefaultsAreThoseOfAFreshProcessAndOptionsComeInAnyOrder) {
  EXPECT_EQ(SettingsOf({"--mode", "3", "--frequency", "780", "--blocks", "20"}),
            "mode 3 frequency 780 blocks 20 position 0 seed 1 volume 100 raw 0 output -");
  EXPECT_EQ(SettingsOf({"--raw", "--output", "x.raw", "--seed", "4294967295", "--position",
                        "4294967000", "--blocks", "1000000", "--frequency", "5000", "--mode", "0",
                        "--volume", "0"}),
            "mode 0 frequency 5000 blocks 1000000 position 4294967000 seed 4294967295 volume 0 "
            "raw 1 output x.raw");
}

// A value out of range, malformed or missing: refused in one line that names
// the argument, and its range where it has one.
TEST(RenderArguments, BadArgumentsAreRefusedInOneLineNamingThem) {
  const struct {
    std::vector<const char*> args;
    const char* says;
  } cases[] = {
      {{"--mode", "5", "--frequency", "780", "--blocks", "1"}, "--mode takes a sound mode 0..4, not '5'"},
      {{"--mode", "-1", "--frequency", "780", "--blocks", "1"}, "--mode takes a sound mode 0..4"},
      {{"--frequency", "780", "--blocks", "1"}, "--mode takes a sound mode 0..4, and it is missing"},
      {{"--mode", "x"}, "--mode"},
      {{"--mode", "1", "--frequency", "9", "--blocks", "1"}, "--frequency takes hundredths of a hertz 10..5000"},
      {{"--mode", "1", "--frequency", "5001", "--blocks", "1"}, "10..5000"},
      {{"--mode", "1", "--frequency", "7.8", "--blocks", "1"}, "--frequency"},
      {{"--mode", "1", "--frequency", " 780", "--blocks", "1"}, "--frequency"},
      {{"--mode", "1", "--blocks", "1"}, "--frequency"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "0"}, "--blocks takes a number of blocks 1..1000000"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1000001"}, "--blocks"},
      {{"--mode", "1", "--frequency", "780", "--blocks"}, "--blocks takes a number of blocks 1..1000000, none given"},
      {{"--mode", "1", "--frequency", "780"}, "--blocks"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1", "--position", "4294967296"}, "--position takes a frame count 0..4294967295"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1", "--position", "-3"}, "--position"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1", "--seed", "99999999999999"}, "--seed"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1", "--seed", "abc"}, "--seed"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1", "--output"}, "--output"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1", "--loud"}, "unknown argument '--loud'"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1", "--raw", "--schedule"}, "--schedule"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1", "--volume", "101"},
       "--volume takes a level 0..100 (per cent), not '101'"},
      {{"--mode", "1", "--frequency", "780", "--blocks", "1", "--volume", "-1"}, "--volume"},
      {{"--session", "-", "--schedule-full", "--raw"}, "give one of them"},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf(c.args);
    EXPECT_NE(error.find(c.says), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
}

TEST(WavHeader, DescribesStereo16BitAt44100) {
  unsigned char h[44];
  WriteWavHeader(2 * 11025, h);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(h), 4), "RIFF");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(h + 8), 8), "WAVEfmt ");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(h + 36), 4), "data");
  // Offset, bytes, value: the sizes, PCM, 2 channels, 44100 frames of 4
  // bytes a second, 16 bits, 22050 frames of data.
  const uint32_t fields[][3] = {{4, 4, 36 + 88200}, {16, 4, 16}, {20, 2, 1},     {22, 2, 2},
                                {24, 4, 44100},     {28, 4, 176400}, {32, 2, 4}, {34, 2, 16},
                                {40, 4, 88200}};
  for (const auto& f : fields)
    EXPECT_EQ(f[1] == 4 ? Read32(h + f[0]) : (h[f[0]] | h[f[0] + 1] << 8), f[2]) << f[0];
}

TEST(WavHeader, SizesSaturateBeyondFourGigabytes) {
  unsigned char h[44];
  WriteWavHeader(1000000ull * 11025, h);  // 44.1 GB of frames
  EXPECT_EQ(Read32(h + 4), 0xFFFFFFFFu);
  EXPECT_EQ(Read32(h + 40), 0xFFFFFFFFu);
}

TEST(RenderArguments, MinutesAndSessionsAreTheOtherFormsOfTheLength) {
  RenderSettings s;
  std::string error;
  for (auto [minutes, blocks] : {std::pair{"0.5", 120u}, {"1.001", 241u}, {"4166.666", 1000000u}}) {
    ASSERT_TRUE(Parse({"--mode", "1", "--frequency", "780", "--minutes", minutes}, s, error))
        << error;
    EXPECT_EQ(s.blocks, blocks) << minutes;
  }
  for (const char* minutes : {"0", "0.0", "4166.67", "1e3", "-1", "2,5", ""})
    EXPECT_EQ(ErrorOf({"--mode", "1", "--frequency", "780", "--minutes", minutes})
                  .rfind("--minutes takes", 0),
              0u)
        << minutes;
  EXPECT_NE(ErrorOf({"--mode", "1", "--frequency", "780", "--minutes", "2", "--blocks", "3"})
                .find("give one of them"),
            std::string::npos);

  ASSERT_TRUE(Parse({"--session", "-", "--seed", "3", "--raw"}, s, error)) << error;
  EXPECT_EQ(s.session, "-");
  EXPECT_EQ(s.seed, 3u);
  for (auto [replaced, value] :
       {std::pair{"--mode", "1"}, {"--frequency", "780"}, {"--blocks", "1"}, {"--minutes", "1"}})
    EXPECT_NE(ErrorOf({"--session", "s.txt", replaced, value})
                  .find(std::string("cannot go with ") + replaced),
              std::string::npos);
  EXPECT_EQ(ErrorOf({"--session"}), "--session takes a file name, or - for standard input");
}
