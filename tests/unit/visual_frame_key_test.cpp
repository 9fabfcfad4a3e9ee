#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "visual/FrameKey.h"

namespace {

enum class Pattern { Discrete, Circles };

// Ticks at which a pattern draws, its arithmetic advanced as the tick does.
std::vector<int> TicksThatDraw(Pattern pattern, int width, uint32_t frequency, int ticks) {
  PresentedFrame presented;
  ForgetPresentedFrame(presented);
  double strobeValue = 0.0, shift = 0.0;
  int8_t strobeFlag = 1;
  const double spacing = RingSpacing(width);
  std::vector<int> drawn;
  for (int tick = 0; tick < ticks; tick++) {
    bool draw;
    if (pattern == Pattern::Discrete) {
      strobeValue = AccumulateStrobePhase(strobeValue, DiscreteStrobeHalfPeriod(frequency));
      draw = MustDrawFrame(presented, FillFrameKey(StrobeColour(strobeFlag)), StrobeTickMs);
      ToggleStrobeAtHalfPeriod(strobeValue, strobeFlag);
    } else {
      const FrameKey frame = RingFrameKey(White, CentreOf(width), RingCount, spacing, shift);
      draw = MustDrawFrame(presented, frame, RingTickMs);
      shift = NextRingShift(shift, spacing, frequency);
    }
    if (draw) drawn.push_back(tick);
  }
  return drawn;
}

}  // namespace

// Catches a tick that skips a changed frame or repaints an unchanged one: the
// first tick, each phase flip, each whole-pixel step, and a full draw at
// least every 250 ms of ticks, and nothing else.
TEST(FrameKey, TicksThatDrawAreTheFirstTheChangesAndTheQuarterSecondRefresh) {
  struct Case {
    Pattern pattern;
    uint32_t frequency;
    int ticks;
    std::vector<int> drawn;
  };
  const Case cases[] = {
      // 32 ticks of each colour: the flips alone, 64 ms apart.
      {Pattern::Discrete, 780, 130, {0, 32, 64, 96, 128}},
      // A first white phase of 2501 ticks: only the refresh every 125 ticks,
      // then the flip.
      {Pattern::Discrete, 10, 2502, {0, 125, 250, 375, 500, 625, 750, 875, 1000, 1125, 1250,
                                     1375, 1500, 1625, 1750, 1875, 2000, 2125, 2250, 2375, 2500,
                                     2501}},
      // 0.064 pixels a tick on 1024: whole pixels at ticks 16 and 32, the
      // refresh 12 ticks (240 ms) after each draw.
      {Pattern::Circles, 25, 34, {0, 12, 16, 28, 32}},
      // Two pixels a tick: every frame differs.
      {Pattern::Circles, 780, 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TicksThatDraw(c.pattern, 1024, c.frequency, c.ticks), c.drawn) << c.frequency;
  }
}

// Catches a key that follows the shift's whole part instead of the radii:
// just below a whole pixel, the larger rings' sums round up to it already.
TEST(FrameKey, RingsChangeWhereAnyRadiusCrossesAWholePixel) {
  const double spacing = RingSpacing(1024);
  const double justBelowOne = std::nextafter(1.0, 0.0);
  const FrameKey atHalf = RingFrameKey(White, 512, RingCount, spacing, 0.5);
  const FrameKey belowOne = RingFrameKey(White, 512, RingCount, spacing, justBelowOne);
  const FrameKey atOne = RingFrameKey(White, 512, RingCount, spacing, 1.0);
  EXPECT_EQ(belowOne.positions[2 * RingCount - 1], 949);  // 948 + 0.999... rounds to 949
  EXPECT_FALSE(SameFrame(atHalf, belowOne));
  EXPECT_FALSE(SameFrame(belowOne, atOne));
  EXPECT_TRUE(SameFrame(atHalf, RingFrameKey(White, 512, RingCount, spacing, 0.75)));
  // The colour drawn is part of the frame: a dimmer pen is another frame.
  EXPECT_FALSE(SameFrame(atHalf, RingFrameKey(0x7F7F7F, 512, RingCount, spacing, 0.5)));
  EXPECT_FALSE(SameFrame(FillFrameKey(White), FillFrameKey(0xFEFEFE)));
}

// Catches a key that follows the shift's whole part: the left and upper grid
// lines step at once when the shift leaves 0 after a reset.
TEST(FrameKey, GridChangesOnTheFirstTickAfterAResetOfTheShift) {
  const double spacing = GridSpacing(1024);
  double last = NextGridShift(0.0, spacing, 50);
  while (NextGridShift(last, spacing, 50) != 0.0) last = NextGridShift(last, spacing, 50);
  ASSERT_GE(last, spacing);
  const double first = NextGridShift(0.0, spacing, 50);
  std::vector<FrameKey> frames;
  for (double shift : {last, 0.0, first, NextGridShift(first, spacing, 50)})
    frames.push_back(GridFrameKey(White, 512, 384, GridStepCount, spacing, shift));
  EXPECT_FALSE(SameFrame(frames[0], frames[1]));
  EXPECT_FALSE(SameFrame(frames[1], frames[2]));  // shift 0 to 0.058
  EXPECT_TRUE(SameFrame(frames[2], frames[3]));
  // Step 1 at shift 0.058: the left column and the upper row move, not the others.
  const int32_t stepOne[] = {511, 512, 383, 384};
  for (int i = 0; i < 4; i++) EXPECT_EQ(frames[2].positions[i], stepOne[i]) << i;
}

// Catches a forgotten picture left undrawn: after the window may have lost
// it, the next tick draws even an unchanged frame; an idle tick always does.
TEST(FrameKey, AFrameForgottenIsDrawnAgain) {
  PresentedFrame presented;
  ForgetPresentedFrame(presented);
  const FrameKey black = FillFrameKey(Black);
  EXPECT_TRUE(MustDrawFrame(presented, black, StrobeTickMs));
  EXPECT_FALSE(MustDrawFrame(presented, black, StrobeTickMs));
  ForgetPresentedFrame(presented);
  EXPECT_TRUE(MustDrawFrame(presented, black, StrobeTickMs));
  EXPECT_FALSE(MustDrawFrame(presented, black, GridTickMs));
  EXPECT_TRUE(MustDrawFrame(presented, black, IdleTickMs));
  EXPECT_TRUE(MustDrawFrame(presented, black, IdleTickMs));
}
