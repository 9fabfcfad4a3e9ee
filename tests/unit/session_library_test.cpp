#include <gtest/gtest.h>

#include <algorithm>
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
    // Tones well below full scale, and a mix that cannot clamp.
    for (const SessionSegment& segment : session.segments)
      EXPECT_TRUE(segment.volume <= 25 && segment.volume + segment.noiseLevel <= 100)
          << name << " line " << segment.line;
    EXPECT_EQ(table[name],
              std::to_string(minutes) + " min | " + Hertz(lowest) + " to " + Hertz(highest) + " Hz")
        << name;
    table.erase(name);
  }
  for (const auto& row : table) ADD_FAILURE() << "the README lists " << row.first << " alone";
}
