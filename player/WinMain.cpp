#include <windows.h>

#include "exposure/ExposureState.h"
#include "exposure/WindowKeys.h"
#include "player/PlayerWindow.h"
#include "player/SessionList.h"
#include "visual/StimulationWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  LoadLibrarySessions(instance);
  CreatePlayerWindow(instance);
  CreateStimulationWindow(instance);
  SetProgramStartFields();
  ApplyPlayerLanguage();
  LoadCommandLineSessions();
  return RunMessageLoop();
}
