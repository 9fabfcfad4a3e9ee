#include "visual/window/StimulationWindow.h"

#include "exposure/control/ExposureControl.h"
#include "exposure/ExposureState.h"
#include "visual/window/StimulationKeyboard.h"
#include "visual/VisualState.h"

namespace {
// The tick leaves an unchanged frame alone, so it must hear of every moment
// the window may have lost its picture: shown, painted or erased (without
// desktop composition an uncovered window is erased to black), the display
// changed. Noticed after the default handling, which is what erases.
LRESULT HandleThenRedraw(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
  NoticePictureLost();
  return result;
}
}  // namespace

void CreateStimulationWindow(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_BYTEALIGNCLIENT;
  windowClass.lpfnWndProc = StimulationWindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = "PaintWindow";
  RegisterClassA(&windowClass);
  // Owned by the program's window: no taskbar button or Alt+Tab entry of its
  // own, and always above that window.
  ExposureState.StimulationWindow = CreateWindowExA(
      0, "PaintWindow", nullptr, WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
      GetSystemMetrics(SM_CYSCREEN), ExposureState.ProgramWindow, nullptr, instance, nullptr);
}

void PlaceStimulationWindow(RECT area) {
  SetWindowPos(ExposureState.StimulationWindow, nullptr, area.left, area.top,
               area.right - area.left, area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK StimulationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      HandleStimulationKeyDown();
      HandlePauseKey(wParam, lParam);
      break;
    case WM_SYSCOMMAND:
      if (HoldsOffScreenSaver(wParam)) return 0;
      break;
    case WM_CLOSE:
      // Alt+F4 ends the exposure as Space does. The default handling would
      // destroy the window, which must live as long as the process.
      StopExposure(true);
      return 0;
    case WM_SHOWWINDOW:
    case WM_ERASEBKGND:
    case WM_PAINT:
    case WM_DISPLAYCHANGE:
      return HandleThenRedraw(window, message, wParam, lParam);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
