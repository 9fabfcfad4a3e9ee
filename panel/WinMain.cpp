#include <windows.h>

#include "exposure/ExposureState.h"
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
  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0)) {
    // Tab, Shift+Tab and Enter move between and press the panel's controls;
    // the full-screen window's keys are not the panel's and pass on.
    if (IsDialogMessageA(ExposureState.ControlPanel, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
