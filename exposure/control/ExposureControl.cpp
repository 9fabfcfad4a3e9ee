#include "exposure/control/ExposureControl.h"

#include "exposure/control/Countdown.h"
#include "exposure/control/ExposureSeam.h"
#include "exposure/ExposureState.h"
#include "platform/MultimediaTimer.h"
#include "sound/AudioThread.h"
#include "visual/SessionLight.h"
#include "visual/VisualThread.h"

namespace {

const UINT CountdownResolutionMs = 100;
// A sound device that hangs (a headset pulled out) can hold the audio worker
// inside a wave-out call indefinitely; a Start waits no longer than this.
const DWORD AudioWorkerWaitMs = 1000;

// The previous exposure's workers, kept only so that a new Start can wait
// for them: the drawing surfaces and the noise generator exist once. An audio
// worker held inside a wave-out call beyond the wait is let go: it has its
// own device memory and plays for its own exposure only.
HANDLE audioWorker;
HANDLE visualWorker;
bool cursorHiddenByProgram;
bool displayKeptOn;
// The exposure that runs, or ran last, plays a session: its schedule sets
// its frequency, and the keys leave that alone.
bool sessionPlays;

// Waits up to limitMs for one previous worker, then forgets it. A plain
// wait: no timer callback waits for this thread, and the workers' own end
// never does.
void WaitForWorker(HANDLE& worker, DWORD limitMs) {
  if (!worker) return;
  WaitForSingleObject(worker, limitMs);
  CloseHandle(worker);
  worker = nullptr;
}

// A tick of the stopped countdown that was already under way must be gone
// before the next exposure's fields are written.
void WaitForCountdownTick() {
  while (CountdownTickInProgress()) Sleep(1);
}

void WaitForPreviousExposure() {
  WaitForWorker(audioWorker, AudioWorkerWaitMs);
  WaitForWorker(visualWorker, INFINITE);
  WaitForCountdownTick();
}

void ArmCountdown() {
  StoreField(ExposureState.countdownTimerId,
             StartPeriodicTimer(CountdownTickMs, CountdownResolutionMs, CountdownTick));
}

void ShowPattern() {
  ShowWindow(ExposureState.StimulationWindow, SW_SHOWNORMAL);
  // A window still up from an exposure ended by the Stop button or the
  // countdown is not activated again by ShowWindow, and the focus has just
  // gone to the program's window: bring it to the top with the keyboard.
  // Allowed, since the user's Start has made this the foreground process.
  SetForegroundWindow(ExposureState.StimulationWindow);
}

void HideCursor() {
  if (CursorNeedsHiding(cursorHiddenByProgram)) ShowCursor(FALSE);
}

// Hidden, the full-screen window would leave the foreground to whichever
// window Windows picks; the program's window takes it, with the keyboard.
void RestoreScreen() {
  ShowWindow(ExposureState.StimulationWindow, SW_HIDE);
  if (CursorNeedsShowing(cursorHiddenByProgram)) ShowCursor(TRUE);
  SetForegroundWindow(ExposureState.ProgramWindow);
  SetFocus(ExposureState.ProgramWindow);
}

// Windows counts neither drawing nor sound as activity: without this the
// display goes dark, or the system sleeps, in the middle of an exposure.
// Asked for once per exposure and given back once, whichever path ends it.
void KeepDisplayOn() {
  if (displayKeptOn) return;
  displayKeptOn = true;
  SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED);
}

void LetDisplayOff() {
  if (!displayKeptOn) return;
  displayKeptOn = false;
  SetThreadExecutionState(ES_CONTINUOUS);
}

// Never waits for a tick in progress; safe from inside the tick itself.
void CancelCountdown() {
  const UINT timerId = DisarmCountdown();
  if (timerId != 0) CancelTimer(timerId);
}

}  // namespace

void HandleStartStopCommand() {
  if (LoadField(ExposureState.running) == 0) {
    StartExposure();
    return;
  }
  StopExposure(false);
}

bool ExposurePlaysSession() { return sessionPlays; }

bool StartExposure(std::shared_ptr<const Session> session) {
  WaitForPreviousExposure();
  // The number before running, in this order: see AudioThread.
  const uint32_t exposure = LoadField(ExposureState.exposureNumber) + 1;
  StoreField(ExposureState.exposureNumber, exposure);
  StoreField(ExposureState.paused, 0);
  StoreField(ExposureState.musicFailed, 0);
  ExposureState.running.store(1);
  FocusForExposure();
  CopyExposureSettings();
  sessionPlays = session != nullptr;
  KeepDisplayOn();
  audioWorker = StartAudioThread(exposure, session, ExposureState.ProgramWindow);
  // A session's clock and its end come from its sound: without its worker
  // it would show nothing and never end.
  if (audioWorker == nullptr && sessionPlays) {
    StopExposure(false);
    return false;
  }
  if (LoadField(ExposureState.countdownEnabled) == 1) ArmCountdown();
  const bool light = ExposureShowsLight(session.get(), LoadField(ExposureState.visualMode));
  if (light) ShowPattern();
  visualWorker = StartVisualThread(exposure, std::move(session));
  if (light) HideCursor();
  ShowExposureRunning(true);
  return true;
}

void StopExposure(bool restoreScreen) {
  StoreField(ExposureState.running, 0);
  CancelCountdown();
  if (restoreScreen) RestoreScreen();
  ShowExposureRunning(false);
  LetDisplayOff();
}

// Posted by the countdown's last tick. A Start handled before it has begun
// another exposure, which this must leave alone.
void HandleCountdownEnded(WPARAM exposure) {
  const bool current = exposure == LoadField(ExposureState.exposureNumber);
  if (!current || LoadField(ExposureState.running) != 0) return;
  ShowExposureRunning(false);
  LetDisplayOff();
}

void PauseExposure() {
  if (LoadField(ExposureState.running) == 1) StoreField(ExposureState.paused, 1);
}

void ResumeExposure() { StoreField(ExposureState.paused, 0); }

bool HandleSessionPlayedOut(WPARAM exposure) {
  if (exposure != LoadField(ExposureState.exposureNumber) || LoadField(ExposureState.running) != 1)
    return false;
  StopExposure(true);
  return true;
}

void EndExposureOnClose() { LetDisplayOff(); }

bool HoldsOffScreenSaver(WPARAM command) {
  const WPARAM kind = command & 0xFFF0;
  const bool screenSaving = kind == SC_SCREENSAVE || kind == SC_MONITORPOWER;
  return screenSaving && LoadField(ExposureState.running) == 1;
}

void CALLBACK CountdownTick(UINT timerId, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
  if (!EnterCountdownTick(timerId)) return;
  // Only calls that a timer callback may make: the caption and the display
  // are the user-interface thread's, told by a posted message.
  if (CountdownStep()) {
    CancelCountdown();
    PostMessageA(ExposureState.ProgramWindow, CountdownEndedMessage,
                 LoadField(ExposureState.exposureNumber), 0);
  }
  LeaveCountdownTick();
}
