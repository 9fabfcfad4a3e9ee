#include "platform/WindowKeys.h"

// The window's keys move between and press its controls; the full-screen
// window's keys are not the window's and pass on. The programs' own messages
// are above WM_APP, clear of the dialog messages at WM_USER.
int RunMessageLoopA(HWND window) {
  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0)) {
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int CommandId(HWND window, WPARAM wParam) {
  if (LOWORD(wParam) != IDOK) return LOWORD(wParam);
  HWND focus = GetFocus();
  return IsChild(window, focus) ? GetDlgCtrlID(focus) : 0;
}
