#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "visual/FrameKey.h"

namespace {
// Ticks at which the discrete strobe (rings: false) or the rings on a
// 1024-pixel surface draw, their arithmetic advanced as the tick does.
std::vector<int> TicksThatDraw(bool rings, uint32_t frequency, int ticks) {
  PresentedFrame presented;
  ForgetPresentedFrame(presented);
  double strobeValue = 0.0, shift = 0.0;
  int8_t strobeFlag = 1;
  std::vector<int> drawn;
  for (int tick = 0; tick < ticks; tick++) {
    strobeValue = AccumulateStrobePhase(strobeValue, DiscreteStrobeHalfPeriod(frequency));
    const FrameKey frame = rings ? RingFrameKey(White, 512, RingCount, RingSpacing(1024), shift)
                                 : FillFrameKey(StrobeColour(strobeFlag));
    if (MustDrawFrame(presented, frame, rings ? RingTickMs : StrobeTickMs)) drawn.push_back(tick);
    ToggleStrobeAtHalfPeriod(strobeValue, strobeFlag);
    shift = NextRingShift(shift, RingSpacing(1024), frequency);
  }
  return drawn;
}
}  // namespace

// Catches a tick that skips a changed frame or repaints an unchanged one: the
// first tick, each phase flip, each whole-pixel step, and a full draw at
// least every 250 ms of ticks, and nothing else.
TEST(FrameKey, TicksThatDrawAreTheFirstTheChangesAndTheQuarterSecondRefresh) {
  // 32 ticks of each colour: the flips alone.
  EXPECT_EQ(TicksThatDraw(false, 780, 130), (std::vector<int>{0, 32, 64, 96, 128}));
  // A first white phase of 2501 ticks: the refresh every 125 ticks, then the flip.
  std::vector<int> slowStrobe;
  for (int tick = 0; tick <= 2500; tick += 125) slowStrobe.push_back(tick);
  slowStrobe.push_back(2501);
  EXPECT_EQ(TicksThatDraw(false, 10, 2502), slowStrobe);
  // 0.064 pixels a tick: whole pixels at ticks 16 and 32, the refresh 12 ticks after a draw.
  EXPECT_EQ(TicksThatDraw(true, 25, 34), (std::vector<int>{0, 12, 16, 28, 32}));
}

// Catches a key that follows the shift's whole part instead of the positions:
// just below a whole pixel the larger rings' sums round up to it already, and
// the grid's left column and upper row move as the shift leaves 0 after a reset.
TEST(FrameKey, PositionsNotTheShiftDecide) {
  const double rings = RingSpacing(1024), belowOne = std::nextafter(1.0, 0.0);
  const FrameKey atHalf = RingFrameKey(White, 512, RingCount, rings, 0.5);
  const FrameKey nearOne = RingFrameKey(White, 512, RingCount, rings, belowOne);
  EXPECT_EQ(nearOne.positions[1], 0);                    // the first ring's radius
  EXPECT_EQ(nearOne.positions[2 * RingCount - 1], 949);  // 948 + 0.999... rounds to 949
  EXPECT_FALSE(SameFrame(atHalf, nearOne));
  EXPECT_TRUE(SameFrame(atHalf, RingFrameKey(White, 512, RingCount, rings, 0.75)));
  // The colour drawn is part of the frame: a dimmer pen is another frame.
  EXPECT_FALSE(SameFrame(atHalf, RingFrameKey(0x7F7F7F, 512, RingCount, rings, 0.5)));
  const double grid = GridSpacing(1024);
  const FrameKey reset = GridFrameKey(White, 512, 384, GridStepCount, grid, 0.0);
  const FrameKey after = GridFrameKey(White, 512, 384, GridStepCount, grid, 0.0582);
  EXPECT_FALSE(SameFrame(GridFrameKey(White, 512, 384, GridStepCount, grid, grid), reset));
  EXPECT_FALSE(SameFrame(reset, after));
  EXPECT_TRUE(SameFrame(after, GridFrameKey(White, 512, 384, GridStepCount, grid, 0.1164)));
  EXPECT_EQ(std::vector<int32_t>(after.positions, after.positions + 4),
            (std::vector<int32_t>{511, 512, 383, 384}));
}
