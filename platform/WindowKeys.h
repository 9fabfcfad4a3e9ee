// The keyboard in a program's own window, as in a dialog box: Tab and
// Shift+Tab move between its controls, Space and Enter press the focused one.
// The panel and the session player share it.
#pragma once

#include <windows.h>

// The message loop of the program, whose window is ExposureState.ControlPanel.
// Returns the exit code that PostQuitMessage gave. The panel's window is
// ANSI and runs the narrow loop; the player's is Unicode and runs the wide
// one, so that typed characters reach it as UTF-16. The wide loop offers
// each message first to the keys of the program's other window (the
// player's editor), which return true for a message they took.
int RunMessageLoopA();
int RunMessageLoopW(bool (*otherWindowKeys)(MSG* message));

// The control id of a WM_COMMAND's wParam. Enter reaches a window that is not
// a dialog as IDOK: it stands for the focused control, so that Enter presses
// the focused button.
int CommandId(WPARAM wParam);
