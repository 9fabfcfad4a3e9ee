// The keyboard in a program's own window, as in a dialog box: Tab and
// Shift+Tab move between its controls, Space and Enter press the focused one.
#pragma once

#include <windows.h>

// The message loop of an ANSI program whose controls sit in window. Returns
// the exit code that PostQuitMessage gave.
int RunMessageLoopA(HWND window);

// The control id of a WM_COMMAND's wParam to window. Enter reaches a window
// that is not a dialog as IDOK: it stands for the focused control of window,
// so that Enter presses the focused button.
int CommandId(HWND window, WPARAM wParam);
