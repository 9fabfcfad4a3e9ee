// Window-free rules of the exposure control: the minute countdown and the
// balance of the mouse cursor.
#pragma once

#include <cstdint>

constexpr uint32_t CountdownTickMs = 1000;

// One countdown tick: takes a second off, or, with less than a second left,
// says that the exposure ends now. Counts ticks, not elapsed time.
bool CountdownEndsExposure(uint32_t& remainingMs);

// The program hides the cursor once per full-screen exposure and shows it
// only if it hid it, so Windows' display counter always comes back to where
// it was. Each returns whether the platform call is to be made.
bool CursorNeedsHiding(bool& hiddenByProgram);
bool CursorNeedsShowing(bool& hiddenByProgram);
