#include <gtest/gtest.h>

#include "exposure/control/Countdown.h"
#include "exposure/ExposureState.h"

namespace {

const uint32_t FirstTimer = 7;
const uint32_t SecondTimer = 9;

// What StartExposure writes before the workers start, with the id that
// arming the countdown gave.
void StartWith(uint32_t minutes, uint32_t timerId) {
  StoreField(ExposureState.running, 1);
  SetDuration(minutes);
  if (LoadField(ExposureState.countdownEnabled) == 1) StoreField(ExposureState.countdownTimerId, timerId);
}

// One whole call of CountdownTick; returns the id it would cancel, or 0.
uint32_t Tick(uint32_t timerId, bool* ended = nullptr) {
  uint32_t cancelled = 0;
  bool ends = false;
  if (EnterCountdownTick(timerId)) {
    ends = CountdownStep();
    if (ends) cancelled = DisarmCountdown();
    LeaveCountdownTick();
  }
  if (ended) *ended = ends;
  return cancelled;
}

// StopExposure's share: returns the id it would cancel, or 0.
uint32_t Stop() {
  StoreField(ExposureState.running, 0);
  return DisarmCountdown();
}

class Countdown : public ::testing::Test {
 protected:
  void SetUp() override {
    StoreField(ExposureState.running, 0);
    StoreField(ExposureState.remainingMs, 0);
    StoreField(ExposureState.countdownEnabled, 0);
    StoreField(ExposureState.countdownTimerId, 0);
  }
};

int TicksUntilEnd(uint32_t minutes) {
  StartWith(minutes, FirstTimer);
  for (int tick = 1; tick <= 700000; tick++) {
    bool ended = false;
    const uint32_t cancelled = Tick(FirstTimer, &ended);
    if (ended) {
      EXPECT_EQ(cancelled, FirstTimer);
      EXPECT_EQ(LoadField(ExposureState.running), 0);
      EXPECT_EQ(LoadField(ExposureState.countdownEnabled), 0);
      return tick;
    }
    if (LoadField(ExposureState.running) != 1) return -tick;
  }
  return 0;
}

}  // namespace

TEST_F(Countdown, AnNMinuteExposureEndsAtTick60NPlus1) {
  EXPECT_EQ(TicksUntilEnd(1), 61);
  EXPECT_EQ(TicksUntilEnd(10), 601);
  EXPECT_EQ(TicksUntilEnd(10000), 600001);
}

TEST_F(Countdown, DurationOfZeroArmsNothing) {
  SetDuration(5);
  SetDuration(0);
  EXPECT_EQ(LoadField(ExposureState.remainingMs), 0u);
  EXPECT_EQ(LoadField(ExposureState.countdownEnabled), 0);
  SetDuration(10000);
  EXPECT_EQ(LoadField(ExposureState.remainingMs), 600000000u);
  EXPECT_EQ(LoadField(ExposureState.countdownEnabled), 1);
}

TEST_F(Countdown, StopThenStartWithoutLimitIsNotEndedByALateTick) {
  StartWith(1, FirstTimer);
  StoreField(ExposureState.remainingMs, 0);  // the next tick would end it
  EXPECT_EQ(Stop(), FirstTimer);
  StartWith(0, 0);
  // The service had already begun this tick of the cancelled timer.
  EXPECT_EQ(Tick(FirstTimer), 0u);
  EXPECT_EQ(LoadField(ExposureState.running), 1);
  EXPECT_EQ(LoadField(ExposureState.remainingMs), 0u);
}

TEST_F(Countdown, StopThenStartWithNewLimitIsNotTouchedByALateTick) {
  StartWith(1, FirstTimer);
  StoreField(ExposureState.remainingMs, 0);
  EXPECT_EQ(Stop(), FirstTimer);
  StartWith(2, SecondTimer);
  EXPECT_EQ(Tick(FirstTimer), 0u);
  EXPECT_EQ(LoadField(ExposureState.running), 1);
  EXPECT_EQ(LoadField(ExposureState.remainingMs), 120000u);
  EXPECT_EQ(LoadField(ExposureState.countdownEnabled), 1);
  // The new countdown still counts and ends its own exposure.
  EXPECT_EQ(Tick(SecondTimer), 0u);
  EXPECT_EQ(LoadField(ExposureState.remainingMs), 119000u);
  EXPECT_EQ(Stop(), SecondTimer);
}

TEST_F(Countdown, LateTickOfACountdownThatEndedByItselfIsRefused) {
  StartWith(1, FirstTimer);
  StoreField(ExposureState.remainingMs, 0);
  EXPECT_EQ(Tick(FirstTimer), FirstTimer);
  StartWith(1, SecondTimer);
  EXPECT_EQ(Tick(FirstTimer), 0u);
  EXPECT_EQ(LoadField(ExposureState.running), 1);
  EXPECT_EQ(LoadField(ExposureState.remainingMs), 60000u);
}

TEST_F(Countdown, StopAtTheMomentTheCountdownEndsCancelsOnceAndHoldsTheNextStart) {
  StartWith(1, FirstTimer);
  StoreField(ExposureState.remainingMs, 0);
  // The tick is accepted, then the Stop button is handled before it ends.
  ASSERT_TRUE(EnterCountdownTick(FirstTimer));
  EXPECT_EQ(Stop(), FirstTimer);
  // A Start now must wait: the tick is still acting.
  EXPECT_TRUE(CountdownTickInProgress());
  EXPECT_TRUE(CountdownStep());
  EXPECT_EQ(DisarmCountdown(), 0u);  // already cancelled by the Stop
  LeaveCountdownTick();
  EXPECT_FALSE(CountdownTickInProgress());
  EXPECT_EQ(LoadField(ExposureState.running), 0);
  EXPECT_EQ(LoadField(ExposureState.countdownEnabled), 0);
}

TEST_F(Countdown, CountdownEndingJustBeforeAStopCancelsOnce) {
  StartWith(1, FirstTimer);
  StoreField(ExposureState.remainingMs, 999);
  EXPECT_EQ(Tick(FirstTimer), FirstTimer);
  EXPECT_EQ(Stop(), 0u);
  EXPECT_FALSE(CountdownTickInProgress());
}

TEST_F(Countdown, RefusedTicksLeaveNothingInProgress) {
  EXPECT_FALSE(EnterCountdownTick(0));
  EXPECT_FALSE(EnterCountdownTick(FirstTimer));
  EXPECT_FALSE(CountdownTickInProgress());
  StartWith(0, FirstTimer);  // no limit: no countdown armed
  EXPECT_FALSE(EnterCountdownTick(FirstTimer));
  EXPECT_FALSE(CountdownTickInProgress());
  EXPECT_EQ(Stop(), 0u);
}

TEST(CursorBalance, StartStopStartSpaceLeavesTheCursorShown) {
  // Start, Stop (window left up), Start again, Space: one hide, one show.
  bool hidden = false;
  int displayCount = 0;
  if (CursorNeedsHiding(hidden)) displayCount--;
  if (CursorNeedsHiding(hidden)) displayCount--;
  EXPECT_EQ(displayCount, -1);
  if (CursorNeedsShowing(hidden)) displayCount++;
  EXPECT_EQ(displayCount, 0);
  // Space with nothing hidden by the program changes nothing.
  if (CursorNeedsShowing(hidden)) displayCount++;
  EXPECT_EQ(displayCount, 0);
  // The next full-screen exposure hides it again.
  EXPECT_TRUE(CursorNeedsHiding(hidden));
}
