// What the exposure control and the full-screen window ask of the program
// whose window starts the exposures. Each program defines these procedures
// once, in its own target: the panel from its controls, the session player
// from its session list. The shared code never reaches for one program's
// controls itself.
#pragma once

#include <cstdint>

// Stores the new exposure's settings from the program's controls in
// ExposureState: visualMode, the duration through SetDuration, and where the
// exposure plays no session, frequency and soundMode.
void CopyExposureSettings();

// Where the keyboard goes at Start, before the full-screen window takes it.
void FocusForExposure();

// Shows whether an exposure runs (the Start/Stop caption).
void ShowExposureRunning(bool running);

// An arrow key in the full-screen window has set frequency: the program's
// own controls follow it.
void ShowFrequencyFromKeys(uint32_t frequency);

// P was pressed (not held) in the full-screen window: a program that can
// pause pauses its exposure, or resumes it, and shows which.
void PauseFromKeys();
