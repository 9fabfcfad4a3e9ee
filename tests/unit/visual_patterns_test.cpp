#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "session_format/SessionReader.h"
#include "visual/Patterns.h"
#include "visual/SessionLight.h"

TEST(SmoothStrobe, GreyLevelsAt780) {
  const double step = SmoothStrobeStep(780);
  const uint32_t ticks[] = {0, 8, 16, 24, 32, 48, 64};
  const int levels[] = {0, 37, 126, 216, 254, 127, 0};
  for (int i = 0; i < 7; i++) EXPECT_EQ(SmoothStrobeGrey(ticks[i], step), levels[i]) << ticks[i];
}

TEST(SmoothStrobe, GreyLevelsAt5000) {
  const double step = SmoothStrobeStep(5000);
  const int levels[] = {0, 24, 87, 166, 229, 254, 229, 166, 87, 24, 0};
  for (uint32_t t = 0; t <= 10; t++) EXPECT_EQ(SmoothStrobeGrey(t, step), levels[t]) << t;
}

TEST(SmoothStrobe, StepIsAFunctionOfTheTicksPerPeriod) {
  EXPECT_EQ(SmoothStrobeStep(4546), SmoothStrobeStep(5000));
  EXPECT_NE(SmoothStrobeStep(4545), SmoothStrobeStep(4546));
  EXPECT_DOUBLE_EQ(SmoothStrobeStep(4545), 6.2831853 / 11);
  EXPECT_EQ(GreyColour(254), 0x00FEFEFEu);
}

namespace {
// Lengths of the successive colour phases of the discrete strobe, white first.
std::vector<int> StrobePhases(uint32_t frequency, int phases) {
  double value = 0.0;
  int8_t flag = 1;
  std::vector<int> lengths;
  int run = 0;
  uint32_t colour = StrobeColour(flag);
  EXPECT_EQ(colour, White);
  while (static_cast<int>(lengths.size()) < phases) {
    value = AccumulateStrobePhase(value, DiscreteStrobeHalfPeriod(frequency));
    const uint32_t shown = StrobeColour(flag);
    if (shown != colour) {
      lengths.push_back(run);
      run = 0;
      colour = shown;
    }
    EXPECT_TRUE(shown == White || shown == Black);
    run++;
    ToggleStrobeAtHalfPeriod(value, flag);
  }
  return lengths;
}

std::array<int, 4> Lines(const GridStepLines& g) { return {g.leftX, g.rightX, g.upperY, g.lowerY}; }
}  // namespace

// At 2500 the first white phase lasts one tick longer than the others.
TEST(DiscreteStrobe, PhaseLengthsInTicks) {
  EXPECT_EQ(StrobePhases(780, 8), std::vector<int>(8, 32));
  EXPECT_EQ(StrobePhases(2500, 8), (std::vector<int>{11, 10, 10, 10, 10, 10, 10, 10}));
  EXPECT_EQ(StrobePhases(5000, 8), std::vector<int>(8, 5));
}

TEST(Circles, ShiftsAndRadiiOn1024By768At780) {
  const double spacing = RingSpacing(1024);
  EXPECT_DOUBLE_EQ(spacing, 12.8);
  EXPECT_EQ(CentreOf(1024), 512);
  EXPECT_EQ(CentreOf(768), 384);
  const double expected[] = {0, 1.9968, 3.9936, 5.9904, 7.9872, 9.984, 11.9808, 13.9776, 0, 1.9968};
  double shift = 0.0;
  for (double value : expected) {
    EXPECT_NEAR(shift, value, 1e-9);
    shift = NextRingShift(shift, spacing, 780);
  }
  // Base radii grow by the whole-pixel part of the spacing.
  int r = 0;
  std::vector<uint32_t> atZero, atLast;
  for (int ring = 1; ring <= RingCount; ring++) {
    atZero.push_back(RingRadius(r, 0.0));
    atLast.push_back(RingRadius(r, 13.9776));
    EXPECT_EQ(RingStartX(512, r, 13.9776), 512 + static_cast<int>(atLast.back()));
    r = NextFigureDistance(r, spacing);
  }
  EXPECT_EQ(atZero[1], 12u);
  EXPECT_EQ(atZero[2], 24u);
  EXPECT_EQ(atZero.back(), 948u);
  EXPECT_EQ(atLast[0], 13u);
  EXPECT_EQ(atLast[1], 25u);
  EXPECT_EQ(atLast.back(), 961u);
}

TEST(Circles, ShiftAlternatesAt5000) {
  const double spacing = RingSpacing(1024);
  double shift = 0.0;
  for (int tick = 0; tick < 6; tick++) {
    EXPECT_DOUBLE_EQ(shift, tick % 2 == 0 ? 0.0 : spacing) << tick;
    shift = NextRingShift(shift, spacing, 5000);
  }
}

namespace {
// How far outside a width x height surface the nearest point of a ring lies,
// in pixels: 0 when it crosses the surface.
double RingDistanceOffSurface(int centreX, int centreY, double radius, int width, int height) {
  double nearest = 1e9;
  for (double degrees = 0.0; degrees < 360.0; degrees += 0.05) {
    const double x = centreX + radius * std::cos(degrees * 3.14159265358979 / 180.0);
    const double y = centreY - radius * std::sin(degrees * 3.14159265358979 / 180.0);
    const double dx = x < 0 ? -x : (x > width - 1 ? x - (width - 1) : 0);
    const double dy = y < 0 ? -y : (y > height - 1 ? y - (height - 1) : 0);
    nearest = std::min(nearest, std::hypot(dx, dy));
  }
  return nearest;
}
}  // namespace

TEST(Circles, OnlyRingsThatEncloseTheSurfaceWithRoomToSpareAreLeftOut) {
  const int sizes[][2] = {{3840, 2160}, {2560, 1440}, {1023, 767}, {768, 1024}};
  for (const auto& size : sizes) {
    const int width = size[0], height = size[1];
    const int centreX = CentreOf(width), centreY = CentreOf(height);
    // The rings left out are the largest ones, from some radius on.
    const uint32_t largest = static_cast<uint32_t>(width + height);
    uint32_t firstLeftOut = 0;
    while (firstLeftOut <= largest &&
           RingReachesSurface(centreX, centreY, firstLeftOut, width, height))
      firstLeftOut++;
    for (uint32_t radius = firstLeftOut; radius <= largest; radius++)
      ASSERT_FALSE(RingReachesSurface(centreX, centreY, radius, width, height)) << radius;
    // Each of them lies three pixels or more off the surface; the largest ring
    // drawn comes within five.
    EXPECT_GE(RingDistanceOffSurface(centreX, centreY, firstLeftOut, width, height), 3.0)
        << width << "x" << height;
    EXPECT_LT(RingDistanceOffSurface(centreX, centreY, firstLeftOut - 1, width, height), 5.0)
        << width << "x" << height;
  }
  // At 3840 x 2160 the farthest corner is 2,202.9 pixels from the centre.
  EXPECT_TRUE(RingReachesSurface(1920, 1080, 2206, 3840, 2160));
  EXPECT_FALSE(RingReachesSurface(1920, 1080, 2207, 3840, 2160));
}

TEST(Grid, SpacingLinesAndCycleAt780) {
  const double spacing = GridSpacing(1024);
  EXPECT_DOUBLE_EQ(spacing, 1024.0 / 88);
  EXPECT_NEAR((780 * spacing) / 10000.0, 0.907636, 1e-6);
  int d = 0;
  std::vector<int> distances;
  for (int step = 1; step <= GridStepCount; step++) {
    distances.push_back(d);
    d = NextFigureDistance(d, spacing);
  }
  EXPECT_EQ(distances[1], 11);
  EXPECT_EQ(distances[2], 22);
  EXPECT_EQ(distances.back(), 473);
  // At shift 0 the first step is one cross at the centre.
  EXPECT_EQ(Lines(GridLinesAt(512, 384, 0, 0.0)), (std::array<int, 4>{512, 512, 384, 384}));
  // 501 - 2.5 and 523 + 2.5 truncated, and so on.
  EXPECT_EQ(Lines(GridLinesAt(512, 384, 11, 2.5)), (std::array<int, 4>{498, 525, 370, 397}));
  // Resets: a cycle of 14 ticks.
  double shift = 0.0;
  std::vector<int> resets;
  for (int tick = 1; tick <= 43; tick++) {
    shift = NextGridShift(shift, spacing, 780);
    if (shift == 0.0) resets.push_back(tick);
  }
  ASSERT_GE(resets.size(), 3u);
  EXPECT_EQ(resets[1] - resets[0], 14);
  EXPECT_EQ(resets[2] - resets[1], 14);
  EXPECT_EQ(resets[0], 14);
}

TEST(Grid, TruncationTowardZeroPutsMinusHalfOnTheFirstColumn) {
  EXPECT_EQ(Lines(GridLinesAt(0, 0, 0, 0.5)), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(Geometry, OddWidthCentreIsTruncated) {
  EXPECT_EQ(CentreOf(1023), 511);
  EXPECT_EQ(CentreOf(767), 383);
}

TEST(Grid, CycleAt5000IsThreeTicks) {
  // Half a spacing per tick: 0, half, a whole spacing (shown once), then reset.
  const double spacing = GridSpacing(1024);
  const double expected[] = {0.0, spacing / 2, spacing, 0.0, spacing / 2, spacing, 0.0};
  double shift = 0.0;
  for (double value : expected) {
    EXPECT_DOUBLE_EQ(shift, value);
    shift = NextGridShift(shift, spacing, 5000);
  }
}

// Catches a session colour off v' = (v x c x P) / 25500: rounded instead of
// truncated, channels swapped, or white at 100 % not the pattern's own level.
TEST(SessionColour, ChannelsFollowTheFormula) {
  const struct {
    uint32_t pattern, colour, brightness, expected;  // COLORREFs 0x00BBGGRR
  } cases[] = {
      {White, 0xFFFFFF, 100, White},
      {GreyColour(254), 0xFFFFFF, 100, GreyColour(254)},
      {White, 0x00BFFF, 60, 0x007299},           // amber: 153, 114.6 -> 114, 0
      {GreyColour(126), 0xFF008F, 100, 0x7E0046},  // violet: 70.66 -> 70, 0, 126
      {White, 0xFF8040, 50, 0x7F4020},           // #4080FF: 32, 64, 127.5 -> 127
      {GreyColour(1), 0xFFFFFF, 99, Black},      // 0.99 -> 0
      {White, 0x0000FF, 0, Black},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TintedColour(c.pattern, c.colour, c.brightness), c.expected)
        << std::hex << c.pattern << " " << c.colour << " " << std::dec << c.brightness;
}

// Catches a window left hidden while some segment shows light, or shown for a
// session dark throughout, and a segment's pattern not its own.
TEST(SessionLight, WindowIsUpWhenAnySegmentShowsLight) {
  const struct {
    const char* text;
    VisualMode chosen, first;  // first: the first segment's pattern
    bool shows;
  } cases[] = {
      {"1s 1 8 light 0\n1s 1 8\n", VisualMode::None, VisualMode::None, false},
      {"1s 1 8 light 0\n", VisualMode::Grid, VisualMode::None, false},
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
}
