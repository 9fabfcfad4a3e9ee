// The player's side of the exposure control: the session to play is given to
// StartExposure; its settings are the pattern chosen in the player, with no
// countdown, since a session ends itself when its blocks have played.
#include <windows.h>

#include "exposure/ExposureState.h"
#include "exposure/control/Countdown.h"
#include "exposure/control/ExposureSeam.h"
#include "player/PlayerWindow.h"

void CopyExposureSettings() {
  StoreField(ExposureState.visualMode, PatternChosen());
  SetDuration(0);
}

void FocusForExposure() { SetFocus(PlayerWindow()); }

void ShowExposureRunning(bool running) { ShowPlaying(running); }

// The player has no frequency controls, and the keys leave a session's
// frequency alone.
void ShowFrequencyFromKeys(uint32_t) {}

void PauseFromKeys() { TogglePause(); }
