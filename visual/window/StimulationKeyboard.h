// Space, Esc and the arrow keys while the full-screen window has the keyboard.
#pragma once

#include <windows.h>

// Called by StimulationWindowProc for every WM_KEYDOWN; asks the state of
// all five keys as of that message, so the message's parameters are not
// needed and keys held together act together.
void HandleStimulationKeyDown();

// The full-screen window's own key-down of P: the program's pause, once per
// press; a held key's repeats (bit 30 of lParam set) do not toggle it again.
void HandlePauseKey(WPARAM key, LPARAM flags);
