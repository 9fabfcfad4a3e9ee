#include "exposure/ExposureControl.h"

#include <commctrl.h>

#include "exposure/Countdown.h"
#include "exposure/ExposureState.h"
#include "panel/Strings.h"
#include "platform/MultimediaTimer.h"
#include "sound/AudioThread.h"
#include "visual/VisualThread.h"

namespace {

// The previous exposure's workers, kept only so that a new Start can wait
// for them: the sample area, the wave-out headers and the drawing surfaces
// exist once.
HANDLE audioWorker;
HANDLE visualWorker;
bool cursorHiddenByProgram;
bool startInProgress;

// Waits for one previous worker while still handling messages sent to this
// thread: a countdown tick on the timer thread may be waiting for us to set
// the button's caption, and the workers' own end never waits for us. One
// handle at a time: waiting for all of several handles together would also
// wait for a message to arrive, and hang when none comes.
void WaitForWorker(HANDLE& worker) {
  if (!worker) return;
  while (MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  CloseHandle(worker);
  worker = nullptr;
}

void WaitForPreviousWorkers() {
  WaitForWorker(audioWorker);
  WaitForWorker(visualWorker);
}

HANDLE StartWorker(LPTHREAD_START_ROUTINE worker) {
  return CreateThread(nullptr, 0, worker, &ExposureState.running, 0, nullptr);
}

uint32_t LowWord(LRESULT position) { return static_cast<uint32_t>(position) & 0xFFFF; }

void CopySettingsFromPanel() {
  StoreField(ExposureState.frequency, LowWord(SendMessageA(ExposureState.frequencySpin, UDM_GETPOS, 0, 0)));
  StoreField(ExposureState.soundMode,
             static_cast<SoundMode>(SendMessageA(ExposureState.soundList, CB_GETCURSEL, 0, 0)));
  StoreField(ExposureState.visualMode,
             static_cast<VisualMode>(SendMessageA(ExposureState.visualList, CB_GETCURSEL, 0, 0)));
  const uint32_t minutes = LowWord(SendMessageA(ExposureState.durationSpin, UDM_GETPOS, 0, 0));
  StoreField(ExposureState.remainingMs, minutes * MillisecondsPerMinute);
  StoreField(ExposureState.countdownEnabled, 0);
  if (LoadField(ExposureState.remainingMs) != 0) StoreField(ExposureState.countdownEnabled, 1);
}

void ShowPattern() {
  ShowWindow(ExposureState.StimulationWindow, SW_SHOWNORMAL);
  visualWorker = StartWorker(VisualThread);
  if (CursorNeedsHiding(cursorHiddenByProgram)) ShowCursor(FALSE);
}

void RestoreScreen() {
  ShowWindow(ExposureState.StimulationWindow, SW_HIDE);
  if (CursorNeedsShowing(cursorHiddenByProgram)) ShowCursor(TRUE);
  SetFocus(ExposureState.ControlPanel);
}

// Whichever stop path clears the flag first cancels the timer, once.
void CancelCountdown() {
  if (ExposureState.countdownEnabled.exchange(0, std::memory_order_relaxed) == 1)
    CancelTimer(LoadField(ExposureState.countdownTimerId));
}

void SetStartCaption() { SetWindowTextA(ExposureState.startButton, InCurrentLanguage(StartCaption)); }

// A tick that the service had already begun when its exposure was stopped
// must not touch a newer exposure: only the armed timer of this exposure
// counts.
bool IsCurrentCountdown(UINT timerId) {
  return LoadField(ExposureState.countdownEnabled) == 1 &&
         LoadField(ExposureState.countdownTimerId) == timerId;
}

}  // namespace

void HandleStartStopCommand() {
  // A click that arrives while a Start waits for the previous workers is
  // part of that Start.
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
  WaitForPreviousWorkers();
  StoreField(ExposureState.running, 1);
  SetFocus(ExposureState.ControlPanel);
  SetFocus(ExposureState.frequencySlider);
  CopySettingsFromPanel();
  audioWorker = StartWorker(AudioThread);
  if (LoadField(ExposureState.countdownEnabled) == 1)
    StoreField(ExposureState.countdownTimerId,
               StartPeriodicTimer(CountdownTickMs, 100, CountdownTick));
  if (LoadField(ExposureState.visualMode) != VisualMode::None)
    ShowPattern();
  else
    visualWorker = StartWorker(VisualThread);
  SetWindowTextA(ExposureState.startButton, InCurrentLanguage(StopCaption));
}

void StopExposure(bool restoreScreen) {
  StoreField(ExposureState.running, 0);
  CancelCountdown();
  if (restoreScreen) RestoreScreen();
  SetStartCaption();
}

void CALLBACK CountdownTick(UINT timerId, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
  if (!IsCurrentCountdown(timerId)) {
    CancelTimer(timerId);
    return;
  }
  uint32_t remainingMs = LoadField(ExposureState.remainingMs);
  const bool ends = CountdownEndsExposure(remainingMs);
  StoreField(ExposureState.remainingMs, remainingMs);
  if (!ends) return;
  StoreField(ExposureState.running, 0);
  SetStartCaption();
  CancelCountdown();
}
