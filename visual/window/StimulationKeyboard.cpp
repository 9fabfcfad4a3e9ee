#include "visual/window/StimulationKeyboard.h"

#include <windows.h>

#include "exposure/control/ExposureControl.h"
#include "exposure/control/ExposureSeam.h"
#include "exposure/ExposureState.h"
#include "visual/ArrowKeys.h"

namespace {

// Down as of the message being handled. The thread's key state follows the
// key messages it has taken from its queue, so a quick tap still counts at
// its own key-down, while a press that went to the panel before the window
// was shown does not (the asynchronous state's "pressed since the previous
// query" bit would carry it over).
bool KeyPressed(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The new frequency, then the program's controls follow, also when the rule
// left the value as it was. A session writes the frequency itself: its
// schedule is the one writer then, and the keys leave it alone.
void SetFrequencyFromKey(uint32_t frequency) {
  if (ExposurePlaysSession()) return;
  StoreField(ExposureState.frequency, frequency);
  ShowFrequencyFromKeys(frequency);
}

uint32_t CurrentFrequency() { return LoadField(ExposureState.frequency); }

}  // namespace

// The key in the message is not consulted: all the keys are asked for, so
// keys held together act together. Esc, the key a person in distress reaches
// for, ends the exposure as Space does.
void HandleStimulationKeyDown() {
  if (KeyPressed(VK_SPACE) || KeyPressed(VK_ESCAPE)) StopExposure(true);
  if (KeyPressed(VK_RIGHT)) SetFrequencyFromKey(FrequencyAfterRight(CurrentFrequency()));
  if (KeyPressed(VK_LEFT)) SetFrequencyFromKey(FrequencyAfterLeft(CurrentFrequency()));
  if (KeyPressed(VK_UP)) SetFrequencyFromKey(FrequencyAfterUp(CurrentFrequency()));
  if (KeyPressed(VK_DOWN)) SetFrequencyFromKey(FrequencyAfterDown(CurrentFrequency()));
}

void HandlePauseKey(WPARAM key, LPARAM flags) {
  const LPARAM heldBefore = LPARAM{1} << 30;
  if (key == 'P' && (flags & heldBefore) == 0) PauseFromKeys();
}
