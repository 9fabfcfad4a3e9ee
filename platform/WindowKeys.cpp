#include "platform/WindowKeys.h"

#include "exposure/ExposureState.h"

// The window's keys move between and press its controls; the full-screen
// window's keys are not the window's and pass on. The programs' own messages
// are above WM_APP, clear of the dialog messages at WM_USER.

int RunMessageLoopA() {
  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0)) {
    if (IsDialogMessageA(ExposureState.ControlPanel, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int RunMessageLoopW(bool (*otherWindowKeys)(MSG* message)) {
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0)) {
    if (otherWindowKeys(&message)) continue;
    if (IsDialogMessageW(ExposureState.ControlPanel, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

int CommandId(WPARAM wParam) {
  if (LOWORD(wParam) != IDOK) return LOWORD(wParam);
  HWND focus = GetFocus();
  return IsChild(ExposureState.ControlPanel, focus) ? GetDlgCtrlID(focus) : 0;
}
