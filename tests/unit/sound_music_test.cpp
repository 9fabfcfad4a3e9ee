#include <gtest/gtest.h>
#include <sys/stat.h>

#include "WaveBytes.h"
#include "session_format/SessionProblems.h"
#include "sound/MusicFile.h"

TEST(MusicFile, WhatCannotBePlayedIsRefusedAtLoadNamingTheFile) {
  // Catches a file taken that is not 16-bit PCM at 44100 Hz in one or two
  // channels or has no frames, a header cut short read as sound, or a
  // refusal that does not say which file and what is accepted.
  const std::string data = Chunk("data", PcmWave(2, {1, 2}).substr(44));
  mkdir((testing::TempDir() + "folder.wav").c_str(), 0700);
  const struct {
    const char* name;
    std::string bytes;  // none: not written
    SessionProblem problem;
    uint64_t value;
    const char* says;
  } cases[] = {
      {"8-bit.wav", Wave(Chunk("fmt ", Format(1, 2, 44100, 8)) + data), SessionProblem::MusicBits,
       8, "has 8-bit samples; accepted: WAV files of 16-bit PCM at 44100 Hz, mono or stereo"},
      {"48k.wav", Wave(Chunk("fmt ", Format(1, 2, 48000, 16)) + data), SessionProblem::MusicRate,
       48000, "plays at 48000 Hz; accepted"},
      {"cut.wav", PcmWave(2, {1, 2}).substr(0, 30), SessionProblem::MusicNotWave, 0,
       "is not a WAV file, or its header is cut short; accepted"},
      {"float.wav", Wave(Chunk("fmt ", Format(3, 2, 44100, 32)) + data),
       SessionProblem::MusicEncoding, 3, "is not PCM (format 3); accepted"},
      {"six.wav", Wave(Chunk("fmt ", Format(1, 6, 44100, 16)) + data),
       SessionProblem::MusicChannels, 6, "has 6 channels; accepted"},
      {"empty.wav", PcmWave(1, {}), SessionProblem::MusicEmpty, 0, "holds no sound"},
      {"missing.wav", "", SessionProblem::MusicMissing, 0, "does not exist"},
      {"folder.wav", "", SessionProblem::MusicUnreadable, 0, "cannot be read"},
  };
  for (const auto& c : cases) {
    const std::string path =
        c.bytes.empty() ? testing::TempDir() + c.name : WrittenFile(c.name, c.bytes);
    MusicFile music;
    SessionError error{};
    EXPECT_FALSE(OpenMusicFile(path, music, error)) << c.name;
    EXPECT_TRUE(error.problem == c.problem && error.count == c.value) << c.name;
    EXPECT_EQ(EnglishSessionProblem(error).find("music file '" + path + "' " + c.says), 0u)
        << EnglishSessionProblem(error);
  }
}

TEST(MusicFile, OtherChunksAreSkippedAndTheFramesLoop) {
  // Catches a LIST or fact chunk, or the pad byte of an odd-sized one, read
  // as sound; a mono frame heard in one ear; a loop that does not go back to
  // frame 0; an extensible PCM file refused, or a streamed one's unknown
  // size taken for its length.
  const std::string list = Chunk("LIST", "odd"), fact = Chunk("fact", Bytes(3, 4));
  const std::string stereo = PcmWave(2, {10, -10, 20, -20, 30, -30});
  const std::string extensible = Format(0xFFFE, 2, 44100, 16) + Bytes(22, 2) + Bytes(16, 2) +
                                 Bytes(3, 4) + Bytes(1, 2) +
                                 std::string("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14);
  const std::pair<const char*, std::string> cases[] = {
      {"chunks.wav", Wave(list + stereo.substr(12, 24) + fact + stereo.substr(36) + list)},
      {"mono.wav", PcmWave(1, {10, 20, 30})},
      // Written as a stream, its size unknown: the frames run to the end of the file.
      {"streamed.wav", stereo.substr(0, 40) + Bytes(0xFFFFFFFF, 4) + stereo.substr(44)},
      {"extensible.wav", Wave(Chunk("fmt ", extensible) + stereo.substr(36))},
  };
  for (const auto& c : cases) {
    MusicFile music;
    SessionError error{};
    ASSERT_TRUE(OpenMusicFile(WrittenFile(c.first, c.second), music, error)) << error.what;
    // From two frames before the fifth time round, over the loop's seam:
    // frames 1, 2, 0, 1, ... of 10, 20 and 30, the right the left's negative in stereo.
    StereoFrame read[7];
    ASSERT_TRUE(ReadMusicFrames(music, 5 * 3 - 2, 7, read));
    for (int i = 0; i < 7; i++)
      EXPECT_TRUE(read[i].left == 10 * ((13 + i) % 3 + 1) &&
                  read[i].right == (music.channels == 2 ? -read[i].left : read[i].left))
          << c.first << " frame " << i;
    CloseMusicFile(music);
  }
  // Found beside the session file, or where an absolute name says.
  EXPECT_EQ(MusicPath("/home/me/s.txt", "music/rain at night.wav"),
            "/home/me/music/rain at night.wav");
  EXPECT_EQ(MusicPath("/home/me/s.txt", "/srv/rain.wav"), "/srv/rain.wav");
  EXPECT_EQ(MusicPath("-", "rain.wav"), "rain.wav");
}
