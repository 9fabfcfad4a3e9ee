#include <windows.h>

#include "exposure/ExposureState.h"
#include "exposure/WindowKeys.h"
#include "panel/ControlPanel.h"
#include "panel/Language.h"
#include "visual/StimulationWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CreateControlPanel(instance);
  CreateStimulationWindow(instance);
  StoreField(ExposureState.countdownEnabled, 0);
  StoreField(ExposureState.running, 0);
  StoreField(ExposureState.language, LanguageRussian);
  ApplyLanguage();
  return RunMessageLoop();
}
