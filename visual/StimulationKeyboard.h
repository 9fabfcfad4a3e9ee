// Space and the arrow keys while the full-screen window has the keyboard.
#pragma once

// Called by StimulationWindowProc for every WM_KEYDOWN; asks the key states
// itself, so the message's parameters are not needed.
void HandleStimulationKeyDown();
