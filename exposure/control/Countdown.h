// Window-free rules of the exposure control: the minute countdown, the
// hand-over between a countdown tick and a stop, and the balance of the
// mouse cursor. They work on ExposureState and make no platform call, so the
// races between the timer thread and the user-interface thread can be
// stepped through on the host.
#pragma once

#include <cstdint>

constexpr uint32_t CountdownTickMs = 1000;

// One countdown tick: takes a second off, or, with less than a second left,
// says that the exposure ends now. Counts ticks, not elapsed time.
bool CountdownEndsExposure(uint32_t& remainingMs);

// The duration of a new exposure: remainingMs, and countdownEnabled 1
// exactly when there is a limit.
void SetDuration(uint32_t minutes);

// The first thing a countdown tick does, with its own timer id: true when it
// is a tick of the armed countdown and may act. A tick that the timer service
// had already begun when its countdown was disarmed is refused, also when a
// newer exposure has armed another countdown since. An accepted tick must
// call LeaveCountdownTick when it is done.
bool EnterCountdownTick(uint32_t timerId);
void LeaveCountdownTick();

// Whether an accepted tick is still acting. A Start waits for it to finish,
// so that no tick of a stopped exposure reaches into the next one.
bool CountdownTickInProgress();

// An accepted tick's step: counts down, and at the end clears running.
// Returns whether this tick ended the exposure.
bool CountdownStep();

// Disarms the countdown exactly once, whichever stop path comes first:
// returns the timer id to cancel, or 0 when it was not armed (or already
// disarmed by the other path).
uint32_t DisarmCountdown();

// The program hides the cursor once per full-screen exposure and shows it
// only if it hid it, so Windows' display counter always comes back to where
// it was. Each returns whether the platform call is to be made.
bool CursorNeedsHiding(bool& hiddenByProgram);
bool CursorNeedsShowing(bool& hiddenByProgram);
