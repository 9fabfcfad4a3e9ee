#include <gtest/gtest.h>

#include "visual/Patterns.h"
#include "visual/display_rate/DisplaySampling.h"

namespace {
const uint32_t OneMinute = 60;  // seconds
const uint32_t TenMinutes = 600;
}  // namespace

// A 60 Hz display misses phases shorter than its 16.7 ms refresh and shows
// the fast settings as slower flicker.
TEST(DisplayRate, DiscreteStrobeOnA60HzDisplay) {
  struct Case {
    uint32_t frequency;
    double drawnHz, shownHz;
    int shortestPhase, longestPhase;
  };
  const Case cases[] = {
      {780, 7.8125, 7.8125, 3, 4},  // every phase seen, 3 or 4 refreshes long
      {3000, 31.25, 28.75, 1, 2},   // one phase in 24 refreshes merges with the next
      {4000, 41.6667, 18.3333, 1, 2},
      {5000, 50.0, 10.0, 3, 3},     // 50 Hz seen as a steady 10 Hz flicker
  };
  for (const Case& c : cases) {
    const SeenStrobe seen = SeeStrobe(VisualMode::DiscreteStrobe, c.frequency, 60, TenMinutes);
    EXPECT_NEAR(seen.drawnHz, c.drawnHz, 0.001) << c.frequency;
    EXPECT_NEAR(seen.shownHz, c.shownHz, 0.005) << c.frequency;
    EXPECT_EQ(seen.shortestPhase, c.shortestPhase) << c.frequency;
    EXPECT_EQ(seen.longestPhase, c.longestPhase) << c.frequency;
  }
}

TEST(DisplayRate, SmoothStrobeHasItsOwnRatesAndAliases) {
  // 45.45 Hz drawn (11 ticks a period) where the discrete strobe draws 50.
  const SeenStrobe at4545 = SeeStrobe(VisualMode::SmoothStrobe, 4545, 60, TenMinutes);
  EXPECT_NEAR(at4545.drawnHz, 500.0 / 11, 0.001);
  EXPECT_NEAR(at4545.shownHz, 60 - 500.0 / 11, 0.005);
  const SeenStrobe at5000 = SeeStrobe(VisualMode::SmoothStrobe, 5000, 75, TenMinutes);
  EXPECT_NEAR(at5000.shownHz, 25.0, 0.005);
}

// At 144 Hz no phase (10 ms or longer) falls between two refreshes.
TEST(DisplayRate, EverySettingWithinATenthOfAHertzAt144Hz) {
  for (VisualMode strobe : {VisualMode::SmoothStrobe, VisualMode::DiscreteStrobe}) {
    double previousPeriod = 0.0;
    for (uint32_t frequency = MinimumFrequency; frequency <= MaximumFrequency; frequency++) {
      // Settings with the same whole-tick period (the smooth strobe's step
      // follows it) draw the same frames.
      const double period = strobe == VisualMode::SmoothStrobe ? SmoothStrobeStep(frequency)
                                                               : DiscreteStrobeHalfPeriod(frequency);
      if (period == previousPeriod) continue;
      previousPeriod = period;
      const SeenStrobe seen = SeeStrobe(strobe, frequency, 144, OneMinute);
      ASSERT_GT(seen.drawnHz, 0.09) << frequency;
      EXPECT_NEAR(seen.shownHz, seen.drawnHz, 0.1) << static_cast<int>(strobe) << " " << frequency;
    }
  }
}
