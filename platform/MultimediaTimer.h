// The thin layer over the multimedia timer, and the one place where the
// policy of cancelling a timer lives.
//
// On Wine every multimedia-timer callback of the process runs on one service
// thread, so a slow callback holds up every other timer's ticks. Nothing here
// ever waits for "whichever callback is running": the user-interface thread
// cancels without waiting, and a worker that must know its own tick has
// finished waits for that tick alone, through its TickGate.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <atomic>

// Arms a periodic timer: first call one delay after arming, user value 0.
UINT StartPeriodicTimer(UINT delayMs, UINT resolutionMs, LPTIMECALLBACK callback);

// Arms a periodic timer with resolution 0, the service's greatest accuracy.
// Since Windows 10 version 2004 a process is granted a fine resolution only
// while it asks for one, so the finest period the service offers is asked
// for first (timeBeginPeriod). finePeriod receives the period granted, 0 when
// none was; EndFinePeriod gives it back, once the timer is cancelled, on
// every path, also when the timer could not be armed.
UINT StartFinePeriodicTimer(UINT delayMs, LPTIMECALLBACK callback, UINT& finePeriod);
void EndFinePeriod(UINT finePeriod);

// Cancels without waiting for a callback in progress; safe from the
// user-interface thread and from inside the timer's own callback.
void CancelTimer(UINT timerId);

// Tells one timer's callback whether it may still act, and whether it is
// acting right now. Zero-initialised means closed and idle.
struct TickGate {
  std::atomic<bool> open;
  std::atomic<int> ticksInside;
};

// Opens the gate before the timer is armed.
void OpenTickGate(TickGate& gate);

// Called first by the callback: false means the timer is being cancelled and
// the tick must do nothing (and must not call LeaveTick).
bool EnterTick(TickGate& gate);
void LeaveTick(TickGate& gate);

// Cancels the timer, then waits until no tick of this gate is still running,
// including one that the service had already begun before the cancel. Never
// waits for any other timer's callback.
void CancelTimerAndWaitForOwnTick(UINT timerId, TickGate& gate);
