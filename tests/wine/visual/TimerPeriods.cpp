#include "tests/wine/visual/TimerPeriods.h"

#include <mmsystem.h>

#include <atomic>

#include "tests/wine/shared/ImportSlots.h"

namespace {

typedef MMRESULT(WINAPI* PeriodCall)(UINT);

PeriodCall winmmBegin;
PeriodCall winmmEnd;
std::atomic<bool> refusing;
std::atomic<int> asked, granted, ended;
// Calls of either function by the period they name; the last slot holds
// every period from there up.
const UINT NamedSlots = 17;
std::atomic<int> named[NamedSlots];

void CountNamed(UINT period) { named[period < NamedSlots ? period : NamedSlots - 1]++; }

// The wrappers run on the visual worker's thread.
MMRESULT WINAPI CountedBegin(UINT period) {
  asked++;
  CountNamed(period);
  if (refusing) return TIMERR_NOCANDO;
  const MMRESULT result = winmmBegin(period);
  if (result == TIMERR_NOERROR) granted++;
  return result;
}

MMRESULT WINAPI CountedEnd(UINT period) {
  ended++;
  CountNamed(period);
  return winmmEnd(period);
}

}  // namespace

bool WatchTimerPeriods() {
  winmmBegin = ReplaceImport("winmm.dll", "timeBeginPeriod", &CountedBegin);
  winmmEnd = ReplaceImport("winmm.dll", "timeEndPeriod", &CountedEnd);
  return winmmBegin != nullptr && winmmEnd != nullptr;
}

void RefuseTimerPeriods(bool refuse) { refusing = refuse; }

TimerPeriodCount CountTimerPeriods(UINT expectedPeriod) {
  TimerPeriodCount count;
  count.asked = asked;
  count.granted = granted;
  count.ended = ended;
  count.outstanding = granted - ended;
  int total = 0;
  for (const std::atomic<int>& calls : named) total += calls;
  count.otherPeriod = total - named[expectedPeriod < NamedSlots ? expectedPeriod : NamedSlots - 1];
  return count;
}
