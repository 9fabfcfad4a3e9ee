// The panel's side of the exposure control: the settings come from its
// controls, and its controls show what the exposure does.
#include <windows.h>
#include <commctrl.h>

#include "exposure/control/Countdown.h"
#include "exposure/control/ExposureSeam.h"
#include "exposure/ExposureState.h"
#include "language/Strings.h"
#include "platform/ProgramWindow.h"

void CopyExposureSettings() {
  StoreField(ExposureState.frequency, LowWord(SendMessageA(ExposureState.frequencySpin, UDM_GETPOS, 0, 0)));
  StoreField(ExposureState.soundMode,
             static_cast<SoundMode>(SendMessageA(ExposureState.soundList, CB_GETCURSEL, 0, 0)));
  StoreField(ExposureState.visualMode,
             static_cast<VisualMode>(SendMessageA(ExposureState.visualList, CB_GETCURSEL, 0, 0)));
  SetDuration(LowWord(SendMessageA(ExposureState.durationSpin, UDM_GETPOS, 0, 0)));
}

void FocusForExposure() {
  SetFocus(ExposureState.ControlPanel);
  SetFocus(ExposureState.frequencySlider);
}

void ShowExposureRunning(bool running) {
  SetWindowTextA(ExposureState.startButton, InCurrentLanguage(running ? StopCaption : StartCaption));
}

// The spin takes the value, and the panel's own arrow-button handling moves
// the slider and rewrites the read-out.
void ShowFrequencyFromKeys(uint32_t frequency) {
  SendMessageA(ExposureState.frequencySpin, UDM_SETPOS, 0, MAKELPARAM(frequency & 0xFFFF, 0));
  SendMessageA(ExposureState.ControlPanel, WM_VSCROLL, 0, 0);
}

// The panel's exposures have no pause.
void PauseFromKeys() {}
