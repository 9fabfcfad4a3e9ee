#include "platform/MultimediaTimer.h"

UINT StartPeriodicTimer(UINT delayMs, UINT resolutionMs, LPTIMECALLBACK callback) {
  return timeSetEvent(delayMs, resolutionMs, callback, 0, TIME_PERIODIC);
}

void CancelTimer(UINT timerId) { timeKillEvent(timerId); }

namespace {

// The finest period the service offers, or 0 when it grants none.
UINT BeginFinestPeriod() {
  TIMECAPS caps;
  if (timeGetDevCaps(&caps, sizeof caps) != MMSYSERR_NOERROR) return 0;
  if (timeBeginPeriod(caps.wPeriodMin) != TIMERR_NOERROR) return 0;
  return caps.wPeriodMin;
}

}  // namespace

UINT StartFinePeriodicTimer(UINT delayMs, LPTIMECALLBACK callback, UINT& finePeriod) {
  finePeriod = BeginFinestPeriod();
  return StartPeriodicTimer(delayMs, 0, callback);
}

// Each granted request is matched by one call naming the same period.
void EndFinePeriod(UINT finePeriod) {
  if (finePeriod != 0) timeEndPeriod(finePeriod);
}

void OpenTickGate(TickGate& gate) {
  gate.ticksInside.store(0);
  gate.open.store(true);
}

// The gate is a two-flag handshake (the tick announces itself, then looks at
// the gate; the canceller closes the gate, then looks for ticks), so both
// sides use sequentially consistent order.
bool EnterTick(TickGate& gate) {
  gate.ticksInside.fetch_add(1);
  if (gate.open.load()) return true;
  gate.ticksInside.fetch_sub(1);
  return false;
}

void LeaveTick(TickGate& gate) { gate.ticksInside.fetch_sub(1); }

void CancelTimerAndWaitForOwnTick(UINT timerId, TickGate& gate) {
  gate.open.store(false);
  timeKillEvent(timerId);
  while (gate.ticksInside.load() != 0) Sleep(1);
}
