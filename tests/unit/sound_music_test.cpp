#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "WaveBytes.h"
#include "sound/MusicFile.h"

namespace {
const char Accepted[] = "accepted: WAV files of 16-bit PCM at 44100 Hz, mono or stereo";
}  // namespace

TEST(MusicFile, WhatCannotBePlayedIsRefusedAtLoadNamingTheFile) {
  // Catches a file taken that is not 16-bit PCM at 44100 Hz in one or two
  // channels, a header cut short read as sound, or a refusal that does not
  // say which file and what is accepted.
  const std::string pcm = FormatChunk(1, 2, 44100, 16), frames = Samples({1, 2, 3, 4});
  const struct {
    const char* name;
    std::string bytes;
    SessionProblem problem;
    uint64_t value;
    const char* says;
  } cases[] = {
      {"8-bit.wav", Wave(FormatChunk(1, 2, 44100, 8) + Chunk("data", "\x80\x80")),
       SessionProblem::MusicBits, 8, "has 8-bit samples; "},
      {"48k.wav", Wave(FormatChunk(1, 2, 48000, 16) + Chunk("data", frames)),
       SessionProblem::MusicRate, 48000, "plays at 48000 Hz; "},
      {"cut.wav", Wave(pcm + Chunk("data", frames)).substr(0, 30), SessionProblem::MusicNotWave, 0,
       "is not a WAV file, or its header is cut short; "},
      {"text.wav", "RIFF, but not a WAVE file", SessionProblem::MusicNotWave, 0, "not a WAV"},
      {"float.wav", Wave(FormatChunk(3, 2, 44100, 32) + Chunk("data", frames)),
       SessionProblem::MusicEncoding, 3, "is not PCM (format 3); "},
      {"six.wav", Wave(FormatChunk(1, 6, 44100, 16) + Chunk("data", frames)),
       SessionProblem::MusicChannels, 6, "has 6 channels; "},
      {"empty.wav", Wave(pcm + Chunk("data", "")), SessionProblem::MusicEmpty, 0, "holds no sound"},
  };
  for (const auto& c : cases) {
    const std::string path = WrittenFile(c.name, c.bytes);
    MusicFile music;
    SessionError error{};
    EXPECT_FALSE(OpenMusicFile(path, music, error)) << c.name;
    EXPECT_TRUE(error.problem == c.problem && error.count == c.value) << c.name;
    const std::string said = EnglishSessionProblem(error);
    EXPECT_EQ(said.rfind("music file '" + path + "' ", 0), 0u) << said;
    EXPECT_NE(said.find(c.says), std::string::npos) << said;
    EXPECT_EQ(said.find(Accepted) != std::string::npos, c.problem != SessionProblem::MusicEmpty)
        << said;
  }
  MusicFile music;
  SessionError error{};
  EXPECT_FALSE(OpenMusicFile(testing::TempDir() + "no such file.wav", music, error));
  EXPECT_EQ(error.problem, SessionProblem::MusicMissing);
  const std::string folder = testing::TempDir() + "a folder.wav";
  mkdir(folder.c_str(), 0700);
  EXPECT_FALSE(OpenMusicFile(folder, music, error));
  EXPECT_EQ(error.problem, SessionProblem::MusicUnreadable);
}

TEST(MusicFile, OtherChunksAreSkippedAndTheFramesLoop) {
  // Catches a LIST or fact chunk, or the pad byte after an odd-sized chunk,
  // read as sound; a mono frame heard in one ear; a loop that does not go
  // back to frame 0; a streamed file's unknown size not read to its end.
  const std::vector<int16_t> stereo = {10, -10, 20, -20, 30, -30, 40, -40, 50, -50};
  const std::string list = Chunk("LIST", "odd"), fact = Chunk("fact", LittleEndian(5, 4));
  // WAVE_FORMAT_EXTENSIBLE around PCM: 22 more bytes, the sub-format last.
  const std::string extensible = Chunk(
      "fmt ", LittleEndian(0xFFFE, 2) + LittleEndian(2, 2) + LittleEndian(44100, 4) +
                  LittleEndian(176400, 4) + LittleEndian(4, 2) + LittleEndian(16, 2) +
                  LittleEndian(22, 2) + LittleEndian(16, 2) + LittleEndian(3, 4) +
                  LittleEndian(1, 2) + std::string("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14));
  std::string streamed = Wave(FormatChunk(1, 2, 44100, 16) + Chunk("data", Samples(stereo)));
  streamed.replace(40, 4, LittleEndian(0xFFFFFFFF, 4));
  const struct {
    const char* name;
    std::string bytes;
    std::vector<int16_t> frames;  // left, right
  } cases[] = {
      {"chunks.wav",
       Wave(list + FormatChunk(1, 2, 44100, 16) + fact + Chunk("data", Samples(stereo)) + list),
       stereo},
      {"mono.wav",
       Wave(fact + FormatChunk(1, 1, 44100, 16) + Chunk("data", Samples({7, 8, 9}))),
       {7, 7, 8, 8, 9, 9}},
      {"extensible.wav", Wave(extensible + Chunk("data", Samples(stereo))), stereo},
      {"streamed.wav", streamed, stereo},
  };
  for (const auto& c : cases) {
    MusicFile music;
    SessionError error{};
    ASSERT_TRUE(OpenMusicFile(WrittenFile(c.name, c.bytes), music, error)) << error.what;
    const uint64_t length = c.frames.size() / 2;
    EXPECT_EQ(music.frames, length) << c.name;
    // From two frames before the fifth time round, over the loop's seam.
    std::vector<StereoFrame> read(length + 4);
    ASSERT_TRUE(
        ReadMusicFrames(music, 5 * length - 2, static_cast<uint32_t>(read.size()), read.data()));
    for (uint64_t i = 0; i < read.size(); i++) {
      const uint64_t frame = (5 * length - 2 + i) % length;
      EXPECT_TRUE(read[i].left == c.frames[2 * frame] && read[i].right == c.frames[2 * frame + 1])
          << c.name << " frame " << i;
    }
    CloseMusicFile(music);
  }
}

TEST(MusicFile, PathsAreBesideTheSessionFile) {
  // Catches music looked for in the current folder instead of the session
  // file's, or an absolute name joined to a folder.
  const char* const cases[][3] = {
      {"sessions/sleep.txt", "rain.wav", "sessions/rain.wav"},
      {"/home/me/s.txt", "music/rain at night.wav", "/home/me/music/rain at night.wav"},
      {"s.txt", "rain.wav", "rain.wav"},
      {"-", "sub/rain.wav", "sub/rain.wav"},
      {"/home/me/s.txt", "/srv/rain.wav", "/srv/rain.wav"},
  };
  for (const auto& c : cases) EXPECT_EQ(MusicPath(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}
