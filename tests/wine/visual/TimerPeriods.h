// Counts the timer-resolution requests (timeBeginPeriod, timeEndPeriod)
// that the program's code makes in this test program, without changing that
// code. Wine's winmm keeps no count of them (both calls only check the
// range), and Windows has no query for one process's outstanding requests,
// so the calls are watched where they leave the program: this program's own
// import slots for the two functions are pointed at counting wrappers that
// pass each call on to winmm.
#pragma once

#include <windows.h>

// Installs the wrappers; false when the program imports neither function.
bool WatchTimerPeriods();

// While set, a request is refused (TIMERR_NOCANDO) without reaching winmm,
// as a timer service that offers no such resolution would refuse it.
void RefuseTimerPeriods(bool refuse);

struct TimerPeriodCount {
  int asked;        // every call of timeBeginPeriod, refused ones included
  int granted;      // calls that winmm granted
  int ended;        // calls of timeEndPeriod
  int outstanding;  // granted minus ended
  int otherPeriod;  // calls of either with a period other than the one expected
};

// The counts so far; `expectedPeriod` is the period every call should name.
TimerPeriodCount CountTimerPeriods(UINT expectedPeriod);
