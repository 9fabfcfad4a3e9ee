#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "sound/SessionFile.h"
#include "sound/SessionSchedule.h"

namespace {
std::string Slurp(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// Hertz as the README writes them: "12", "4.5", "1.25".
std::string Hertz(uint32_t hundredths) {
  std::string text = std::to_string(hundredths / 100);
  if (hundredths % 100 == 0) return text;
  text += "." + std::to_string(hundredths % 100 + 100).substr(1);
  return text.back() == '0' ? text.substr(0, text.size() - 1) : text;
}

// What the README's table says of each session: "20 min | 4 to 12 Hz" from
// the row "| [relax](sessions/relax.txt) | 20 min | 4 to 12 Hz | ...".
std::map<std::string, std::string> ReadmeTable() {
  std::ifstream readme(std::string(TESSOVANT_SOURCE_DIR) + "/README.md");
  std::map<std::string, std::string> table;
  for (std::string line; std::getline(readme, line);) {
    const size_t close = line.find(']');
    if (line.rfind("| [", 0) != 0 || close == std::string::npos) continue;
    const std::string name = line.substr(3, close - 3);
    const std::string link = "](sessions/" + name + ".txt) | ";
    if (line.compare(close, link.size(), link) != 0) continue;
    const size_t first = close + link.size(), second = line.find(" | ", first);
    table[name] = line.substr(first, line.find(" | ", second + 3) - first);
  }
  return table;
}
}  // namespace

TEST(SessionLibrary, EverySessionParsesKeepsTheLibraryRulesAndMatchesTheReadme) {
  // Catches a library file that no longer parses, drifts from the README's
  // table, or breaks the library's own limits on length, fades and slides.
  std::map<std::string, std::string> table = ReadmeTable();
  size_t sessions = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(TESSOVANT_SOURCE_DIR) + "/sessions")) {
    const std::string name = entry.path().stem().string();
    Session session;
    SessionError error;
    ASSERT_TRUE(ParseSession(Slurp(entry.path()), name, session, error)) << error.message;
    const uint64_t blocks = SessionBlocks(session);
    uint32_t lowest = MaximumFrequency, highest = MinimumFrequency;
    for (const SessionSegment& s : session.segments) {
      lowest = std::min({lowest, s.firstFrequency, s.lastFrequency});
      highest = std::max({highest, s.firstFrequency, s.lastFrequency});
      const uint32_t change = std::max(s.firstFrequency, s.lastFrequency) -
                              std::min(s.firstFrequency, s.lastFrequency);
      // 2 Hz a minute: 200 hundredths over 240 blocks.
      EXPECT_LE(uint64_t{change} * 240, uint64_t{200} * s.blocks) << name << " slides too fast";
    }
    EXPECT_EQ(blocks % 240, 0u) << name << " is not whole minutes";
    EXPECT_TRUE(blocks >= 10 * 240 && blocks <= 40 * 240) << name << ": " << blocks << " blocks";
    EXPECT_TRUE(session.fadeInBlocks >= 60 && session.fadeInBlocks <= 120) << name;
    EXPECT_GT(session.fadeOutBlocks, 0u) << name;
    EXPECT_EQ(table[name],
              std::to_string(blocks / 240) + " min | " + Hertz(lowest) + " to " + Hertz(highest) +
                  " Hz")
        << name << " in the README's table";
    table.erase(name);
    sessions++;
  }
  EXPECT_GE(sessions, 6u);
  for (const auto& row : table) ADD_FAILURE() << "the README lists " << row.first << ", not in sessions/";
}
