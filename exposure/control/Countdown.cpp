#include "exposure/control/Countdown.h"

#include <atomic>

#include "exposure/ExposureState.h"

namespace {

// Accepted countdown ticks that have not yet left. The tick announces itself
// here before it looks at countdownTimerId, and a stop clears the id before a
// Start looks here: a two-flag handshake, so these accesses, the tick's load
// of countdownTimerId and the stop's exchange of it use sequentially
// consistent order. Arming stores the id relaxed: no stop or tick of that
// timer can be under way yet, and its first tick comes a second later.
std::atomic<int> countdownTicksInside;

}  // namespace

bool CountdownEndsExposure(uint32_t& remainingMs) {
  if (remainingMs >= CountdownTickMs) {
    remainingMs -= CountdownTickMs;
    return false;
  }
  return true;
}

void SetDuration(uint32_t minutes) {
  StoreField(ExposureState.remainingMs, minutes * MillisecondsPerMinute);
  StoreField(ExposureState.countdownEnabled, 0);
  if (LoadField(ExposureState.remainingMs) != 0) StoreField(ExposureState.countdownEnabled, 1);
}

bool EnterCountdownTick(uint32_t timerId) {
  countdownTicksInside.fetch_add(1);
  if (timerId != 0 && ExposureState.countdownTimerId.load() == timerId) return true;
  countdownTicksInside.fetch_sub(1);
  return false;
}

void LeaveCountdownTick() { countdownTicksInside.fetch_sub(1); }

bool CountdownTickInProgress() { return countdownTicksInside.load() != 0; }

bool CountdownStep() {
  uint32_t remainingMs = LoadField(ExposureState.remainingMs);
  const bool ends = CountdownEndsExposure(remainingMs);
  StoreField(ExposureState.remainingMs, remainingMs);
  if (ends) StoreField(ExposureState.running, 0);
  return ends;
}

uint32_t DisarmCountdown() {
  if (ExposureState.countdownEnabled.exchange(0, std::memory_order_relaxed) != 1) return 0;
  // From here on every tick of this timer is refused.
  return ExposureState.countdownTimerId.exchange(0);
}

bool CursorNeedsHiding(bool& hiddenByProgram) {
  if (hiddenByProgram) return false;
  hiddenByProgram = true;
  return true;
}

bool CursorNeedsShowing(bool& hiddenByProgram) {
  if (!hiddenByProgram) return false;
  hiddenByProgram = false;
  return true;
}
