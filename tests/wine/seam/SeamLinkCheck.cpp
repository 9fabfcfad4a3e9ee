// A program of the exposure code that supplies every procedure the code asks
// of its program, or, built with LEFT_OUT_<name>, all but that one: the
// second must fail to link, naming it, rather than quietly take another
// program's.
#include <windows.h>

#include "exposure/control/ExposureControl.h"
#include "exposure/control/ExposureSeam.h"
#include "visual/window/StimulationKeyboard.h"

#ifndef LEFT_OUT_CopyExposureSettings
void CopyExposureSettings() {}
#endif
#ifndef LEFT_OUT_FocusForExposure
void FocusForExposure() {}
#endif
#ifndef LEFT_OUT_ShowExposureRunning
void ShowExposureRunning(bool) {}
#endif
#ifndef LEFT_OUT_ShowFrequencyFromKeys
void ShowFrequencyFromKeys(uint32_t) {}
#endif
#ifndef LEFT_OUT_PauseFromKeys
void PauseFromKeys() {}
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  StartExposure();
  HandleStimulationKeyDown();
  HandlePauseKey('P', 0);
  return 0;
}
