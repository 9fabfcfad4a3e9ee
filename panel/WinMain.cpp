#include <windows.h>

#include "exposure/ExposureState.h"
#include "panel/ControlPanel.h"
#include "platform/WindowKeys.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  StartControlPanel(instance);
  return RunMessageLoopA(ExposureState.ControlPanel);
}
