// The player's side of the exposure control: the settings come from the
// chosen session (or the editor's) and pattern, and the session's schedule writes the
// frequency while it plays.
#include <windows.h>

#include "exposure/control/Countdown.h"
#include "exposure/control/ExposureSeam.h"
#include "exposure/ExposureState.h"
#include "language/Strings.h"
#include "platform/FileNames.h"
#include "player/PlayerWindow.h"
#include "session_format/SessionSchedule.h"

void CopyExposureSettings() {
  const Session* session = TakeSessionToStart();
  const ScheduledBlock first = ScheduleBlock(*session, 0);
  StoreField(ExposureState.session, session);
  StoreField(ExposureState.frequency, first.frequency);
  StoreField(ExposureState.soundMode, first.mode);
  StoreField(ExposureState.visualMode,
             static_cast<VisualMode>(SendMessageW(ExposureState.visualList, CB_GETCURSEL, 0, 0)));
  // The session ends itself when its blocks have played.
  SetDuration(0);
}

void FocusForExposure() { SetFocus(ExposureState.ControlPanel); }

// The panel's captions, for the player's Unicode button; Pause follows.
void ShowExposureRunning(bool running) {
  const char* caption = InCurrentLanguage(running ? StopCaption : StartCaption);
  SetWindowTextW(ExposureState.startButton, WideFromCodePage1251(caption).c_str());
  ShowPauseState();
}

// The player has no frequency controls, and the keys leave a session's
// frequency alone.
void ShowFrequencyFromKeys(uint32_t) {}

void PauseFromKeys() { TogglePause(); }
