#include <windows.h>

#include "platform/WindowKeys.h"
#include "panel/ControlPanel.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  StartControlPanel(instance);
  return RunMessageLoopA();
}
