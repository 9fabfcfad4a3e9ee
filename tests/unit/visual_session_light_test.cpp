#include <gtest/gtest.h>

#include "visual/Patterns.h"
#include "visual/SessionLight.h"

// Catches a window left hidden while some segment shows light, or shown for a
// session that is dark throughout, and a segment's pattern not its own.
TEST(SessionLight, WindowIsUpWhenAnySegmentShowsLight) {
  const struct {
    const char* text;
    VisualMode chosen;
    VisualMode first;  // the first segment's pattern
    bool shows;
  } cases[] = {
      {"1s 1 8\n", VisualMode::SmoothStrobe, VisualMode::SmoothStrobe, true},
      {"1s 1 8\n", VisualMode::None, VisualMode::None, false},
      {"1s 1 8 light 0\n1s 1 8\n", VisualMode::None, VisualMode::None, false},
      {"1s 1 8 light 3\n1s 1 8 light 0\n", VisualMode::None, VisualMode::Circles, true},
      {"1s 1 8 light 0\n1s 1 8\n", VisualMode::Grid, VisualMode::None, true},
  };
  for (const auto& c : cases) {
    Session session;
    SessionError error;
    ASSERT_TRUE(ParseSession(c.text, "test", session, error)) << error.message;
    EXPECT_EQ(SessionShowsLight(session, c.chosen), c.shows) << c.text;
    EXPECT_EQ(SegmentPattern(session.segments[0], c.chosen), c.first) << c.text;
  }
  EXPECT_EQ(PatternTickMs(VisualMode::None, true), BlackTickMs);
  EXPECT_EQ(PatternTickMs(VisualMode::None, false), IdleTickMs);
}
