// How the audio worker judges whether a device still plays, window-free. A
// device tells of each block it has finished (its notification); for a
// session the worker also reads how far it has played (its position). On a
// busy machine the notifications can come seconds late while the device
// plays on, so a device whose position moves is never given up; without a
// position to go by (the panel's worker reads none), the notifications
// alone decide. Time is counted in the slices the worker waited, not
// counting a pause.
#pragma once

#include <cstdint>

struct DeviceWatch {
  uint32_t sinceNoticeMs;    // waited since the last notification
  uint32_t sinceProgressMs;  // waited since the position last moved
};

// One slice waited without a notification; whether the position moved in it.
void NoteSilentSlice(DeviceWatch& watch, uint32_t sliceMs, bool positionMoved);

// Given up only when neither has come for limitMs: no notification, and (for
// a worker that reads it) no move of the position.
bool DeviceStandsStill(const DeviceWatch& watch, uint32_t limitMs, bool readsPosition);
