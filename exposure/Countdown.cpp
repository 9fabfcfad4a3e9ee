#include "exposure/Countdown.h"

bool CountdownEndsExposure(uint32_t& remainingMs) {
  if (remainingMs >= CountdownTickMs) {
    remainingMs -= CountdownTickMs;
    return false;
  }
  return true;
}

bool CursorNeedsHiding(bool& hiddenByProgram) {
  if (hiddenByProgram) return false;
  hiddenByProgram = true;
  return true;
}

bool CursorNeedsShowing(bool& hiddenByProgram) {
  if (!hiddenByProgram) return false;
  hiddenByProgram = false;
  return true;
}
