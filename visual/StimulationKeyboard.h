// Space, Esc and the arrow keys while the full-screen window has the keyboard.
#pragma once

// Called by StimulationWindowProc for every WM_KEYDOWN; asks the state of
// all five keys as of that message, so the message's parameters are not
// needed and keys held together act together.
void HandleStimulationKeyDown();
