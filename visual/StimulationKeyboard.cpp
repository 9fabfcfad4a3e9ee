#include "visual/StimulationKeyboard.h"

#include <windows.h>
#include <commctrl.h>

#include "exposure/ExposureControl.h"
#include "exposure/ExposureState.h"
#include "visual/ArrowKeys.h"

namespace {

// Down now, or pressed since the previous query.
bool KeyPressed(int key) { return GetAsyncKeyState(key) != 0; }

// The panel follows: the spin takes the value, and the panel's own
// arrow-button handling moves the slider and rewrites the read-out.
void ShowFrequencyOnPanel() {
  const uint32_t frequency = LoadField(ExposureState.frequency);
  SendMessageA(ExposureState.frequencySpin, UDM_SETPOS, 0, MAKELPARAM(frequency & 0xFFFF, 0));
  SendMessageA(ExposureState.ControlPanel, WM_VSCROLL, 0, 0);
}

void ApplyArrow(int key, uint32_t (*rule)(uint32_t)) {
  if (!KeyPressed(key)) return;
  StoreField(ExposureState.frequency, rule(LoadField(ExposureState.frequency)));
  ShowFrequencyOnPanel();
}

}  // namespace

// The key in the message is not consulted: keys held together act together.
void HandleStimulationKeyDown() {
  if (KeyPressed(VK_SPACE)) StopExposure(true);
  ApplyArrow(VK_RIGHT, FrequencyAfterRight);
  ApplyArrow(VK_LEFT, FrequencyAfterLeft);
  ApplyArrow(VK_UP, FrequencyAfterUp);
  ApplyArrow(VK_DOWN, FrequencyAfterDown);
}
