#include "exposure/ExposureControl.h"

#include "exposure/Countdown.h"
#include "exposure/ExposureSeam.h"
#include "exposure/ExposureState.h"
#include "platform/MultimediaTimer.h"
#include "sound/AudioThread.h"
#include "visual/VisualThread.h"

namespace {

const UINT CountdownResolutionMs = 100;
// A sound device that hangs (a headset pulled out) can hold the audio worker
// inside a wave-out call indefinitely; the panel waits no longer than this.
const DWORD AudioWorkerWaitMs = 1000;

// The previous exposure's workers, kept only so that a new Start can wait
// for them: the sample area, the wave-out headers and the drawing surfaces
// exist once. An audio worker that has not ended stays here for the next
// Start to wait for again.
HANDLE audioWorker;
HANDLE visualWorker;
bool cursorHiddenByProgram;
bool startInProgress;

// Handles the messages that other threads have sent to this one: a countdown
// tick on the timer thread may be waiting for us to set the button's caption.
void HandleSentMessages() {
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

DWORD TimeLeft(DWORD start, DWORD limitMs) {
  if (limitMs == INFINITE) return INFINITE;
  const DWORD waited = GetTickCount() - start;
  return waited < limitMs ? limitMs - waited : 0;
}

// Waits up to limitMs for one previous worker while still handling sent
// messages; the workers' own end never waits for us. One handle at a time:
// waiting for all of several handles together would also wait for a message
// to arrive, and hang when none comes. A worker that has ended is forgotten;
// one that has not is kept.
void WaitForWorker(HANDLE& worker, DWORD limitMs) {
  if (!worker) return;
  const DWORD start = GetTickCount();
  DWORD result;
  while ((result = MsgWaitForMultipleObjects(1, &worker, FALSE, TimeLeft(start, limitMs),
                                             QS_SENDMESSAGE)) == WAIT_OBJECT_0 + 1)
    HandleSentMessages();
  if (result == WAIT_TIMEOUT) return;
  CloseHandle(worker);
  worker = nullptr;
}

// A tick of the stopped countdown that was already under way may still be
// setting the caption; it must be gone before the next exposure's fields are
// written.
void WaitForCountdownTick() {
  while (CountdownTickInProgress()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_SENDMESSAGE);
    HandleSentMessages();
  }
}

void WaitForPreviousExposure() {
  WaitForWorker(audioWorker, AudioWorkerWaitMs);
  WaitForWorker(visualWorker, INFINITE);
  WaitForCountdownTick();
}

HANDLE StartWorker(LPTHREAD_START_ROUTINE worker) {
  return CreateThread(nullptr, 0, worker, &ExposureState.running, 0, nullptr);
}

void ArmCountdown() {
  StoreField(ExposureState.countdownTimerId,
             StartPeriodicTimer(CountdownTickMs, CountdownResolutionMs, CountdownTick));
}

void ShowPattern() {
  ShowWindow(ExposureState.StimulationWindow, SW_SHOWNORMAL);
  // A window still up from an exposure ended by the Stop button or the
  // countdown is not activated again by ShowWindow, and the focus has just
  // gone to the panel: bring it to the top with the keyboard. Allowed, since
  // the user's Start has made this the foreground process.
  SetForegroundWindow(ExposureState.StimulationWindow);
  visualWorker = StartWorker(VisualThread);
  if (CursorNeedsHiding(cursorHiddenByProgram)) ShowCursor(FALSE);
}

void RestoreScreen() {
  ShowWindow(ExposureState.StimulationWindow, SW_HIDE);
  if (CursorNeedsShowing(cursorHiddenByProgram)) ShowCursor(TRUE);
  SetFocus(ExposureState.ControlPanel);
}

// Never waits for a tick in progress: that tick may be waiting for this
// thread.
void CancelCountdown() {
  const UINT timerId = DisarmCountdown();
  if (timerId != 0) CancelTimer(timerId);
}

}  // namespace

void HandleStartStopCommand() {
  // A click that reaches us while a Start waits for the previous workers
  // (sent from another thread) is part of that Start.
  if (startInProgress) return;
  if (LoadField(ExposureState.running) == 0) {
    startInProgress = true;
    StartExposure();
    startInProgress = false;
    return;
  }
  StopExposure(false);
}

void StartExposure() {
  WaitForPreviousExposure();
  StoreField(ExposureState.running, 1);
  FocusForExposure();
  CopyExposureSettings();
  StoreField(ExposureState.startTimeMs, timeGetTime());
  // An audio worker left over from a hung device still holds the sample area
  // and the headers: this exposure goes on without sound then.
  if (!audioWorker) audioWorker = StartWorker(AudioThread);
  if (LoadField(ExposureState.countdownEnabled) == 1) ArmCountdown();
  if (LoadField(ExposureState.visualMode) != VisualMode::None)
    ShowPattern();
  else
    visualWorker = StartWorker(VisualThread);
  ShowExposureRunning(true);
}

void StopExposure(bool restoreScreen) {
  StoreField(ExposureState.running, 0);
  CancelCountdown();
  if (restoreScreen) RestoreScreen();
  ShowExposureRunning(false);
}

void CALLBACK CountdownTick(UINT timerId, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
  if (!EnterCountdownTick(timerId)) return;
  if (CountdownStep()) {
    ShowExposureRunning(false);
    CancelCountdown();
  }
  LeaveCountdownTick();
}
