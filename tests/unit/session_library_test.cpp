#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "session_format/SessionFile.h"
#include "session_format/SessionReader.h"
#include "session_format/SessionSchedule.h"

namespace {
// Hertz as the README writes them: "12", "4.5", "1.25".
std::string Hertz(uint32_t hundredths) {
  char text[16];
  std::snprintf(text, sizeof text, "%g", hundredths / 100.0);
  return text;
}

// "20 min | 4 to 12 Hz" of each row "| [relax](sessions/relax.txt) | 20 min | 4 to 12 Hz | ...".
std::map<std::string, std::string> ReadmeTable() {
  std::ifstream readme(std::string(TESSOVANT_SOURCE_DIR) + "/README.md");
  std::map<std::string, std::string> table;
  for (std::string line; std::getline(readme, line);) {
    const size_t close = line.find("](sessions/"), link = line.find(".txt) | ");
    if (line.rfind("| [", 0) != 0 || close == std::string::npos || link == std::string::npos)
      continue;
    const size_t first = link + 8, last = line.find(" | ", line.find(" | ", first) + 3);
    table[line.substr(3, close - 3)] = line.substr(first, last - first);
  }
  return table;
}

// The most a voice's level reaches, per cent.
double Peak(const Voice& voice) { return std::max(voice.level.first, voice.level.last) / 100.0; }

// Hertz a minute that a slide of hundredths over a segment's blocks takes.
double HertzPerMinute(int64_t first, int64_t last, uint32_t blocks) {
  return std::abs(last - first) / 100.0 / (blocks / 240.0);
}
}  // namespace

TEST(SessionLibrary, EverySessionParsesAndMatchesTheReadmesTable) {
  // Catches a library file that no longer parses, drifts from its row in the
  // README, breaks the library's limits on length and fades, plays its tones
  // near full scale, or needs a music file.
  std::map<std::string, std::string> table = ReadmeTable();
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(TESSOVANT_SOURCE_DIR) + "/sessions")) {
    const std::string name = entry.path().stem().string();
    std::ifstream file(entry.path(), std::ios::binary);
    Session session;
    SessionError error;
    ASSERT_TRUE(
        ParseSession(std::string(std::istreambuf_iterator<char>(file), {}), name, session, error))
        << error.message;
    uint32_t lowest = MaximumFrequency, highest = MinimumFrequency;
    for (uint64_t k = 0; k < SessionBlocks(session); k++) {
      lowest = std::min(lowest, ScheduleBlock(session, k).frequency);
      highest = std::max(highest, ScheduleBlock(session, k).frequency);
    }
    const uint64_t minutes = SessionBlocks(session) / 240;
    EXPECT_TRUE(SessionBlocks(session) % 240 == 0 && minutes >= 10 && minutes <= 40) << name;
    EXPECT_TRUE(session.fadeInBlocks >= 60 && session.fadeInBlocks <= 120) << name;
    EXPECT_GT(session.fadeOutBlocks, 0u) << name;
    // The player holds the library in itself, with no folder beside it where
    // music could be found.
    EXPECT_TRUE(session.musicFile.empty()) << name << " may not use music";
    // Tones well below full scale, a mix that cannot clamp, and slides slow
    // enough not to be noticed. Mode 0 is silent whatever its volume.
    for (const SessionSegment& segment : session.segments) {
      double tones = segment.mode == SoundMode::None ? 0 : segment.volume;
      double mix = tones + segment.noiseLevel;
      double steepest =
          HertzPerMinute(segment.firstFrequency, segment.lastFrequency, segment.blocks);
      for (const Voice& voice : segment.voices) {
        const bool tonal = voice.kind != VoiceKind::Noise && voice.kind != VoiceKind::Music;
        tones += tonal ? Peak(voice) : 0;
        mix += Peak(voice);
        if (!voice.beatFollowsFrequency)
          steepest =
              std::max(steepest, HertzPerMinute(voice.beat.first, voice.beat.last, segment.blocks));
      }
      EXPECT_TRUE(tones <= 25 && mix <= 100 && steepest <= 2)
          << name << " line " << segment.line << ": tones " << tones << ", mix " << mix
          << ", slide " << steepest;
    }
    EXPECT_EQ(table[name],
              std::to_string(minutes) + " min | " + Hertz(lowest) + " to " + Hertz(highest) + " Hz")
        << name;
    table.erase(name);
  }
  for (const auto& row : table) ADD_FAILURE() << "the README lists " << row.first << " alone";
}
