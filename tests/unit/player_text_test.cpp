// Catches a count of segments in the wrong grammatical form: Russian has
// three (1 and 21; 2 to 4 and 22 to 24; 0, 5 to 20 and 25 on), English two.
#include <gtest/gtest.h>

#include <string>

#include "exposure/ExposureState.h"
#include "player/PlayerText.h"

TEST(PlayerText, SegmentCountTakesTheFormOfItsNumber) {
  const struct { size_t segments; const char* russian; const char* english; } cases[] = {
      {1, "\xF1\xE5\xE3\xEC\xE5\xED\xF2,", "segment,"},
      {2, "\xF1\xE5\xE3\xEC\xE5\xED\xF2\xE0,", "segments,"},
      {5, "\xF1\xE5\xE3\xEC\xE5\xED\xF2\xEE\xE2,", "segments,"},
      {11, "\xF1\xE5\xE3\xEC\xE5\xED\xF2\xEE\xE2,", "segments,"},
      {12, "\xF1\xE5\xE3\xEC\xE5\xED\xF2\xEE\xE2,", "segments,"},
      {21, "\xF1\xE5\xE3\xEC\xE5\xED\xF2,", "segments,"},
      {23, "\xF1\xE5\xE3\xEC\xE5\xED\xF2\xE0,", "segments,"},
  };
  for (const auto& c : cases) {
    Session session;
    session.segments.assign(c.segments, PlainSegment(SoundMode::BrainWaves, 4, 780, 780));
    const std::string count = std::to_string(c.segments) + " ";
    StoreField(ExposureState.language, LanguageRussian);
    EXPECT_NE(DescribeSession(session).find(count + c.russian), std::string::npos) << c.segments;
    StoreField(ExposureState.language, LanguageEnglish);
    EXPECT_NE(DescribeSession(session).find(count + c.english), std::string::npos) << c.segments;
  }
  StoreField(ExposureState.language, LanguageRussian);
}
