// The audio worker's side of the session's clock: what one stream on a
// device has played, told to the session clock, and the user's pause
// carried out on the device.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

#include "sound/SessionClock.h"

struct StreamClock {
  uint32_t exposure;
  bool clocked;         // a session plays: its light follows what is heard
  uint64_t firstFrame;  // the session's frame of the stream's first block
  DeviceCount count;
  bool heard;         // the device has reported a frame played
  bool paused;        // the device is paused
  DWORD pausedMs;     // how long it has been paused, all told
  uint64_t played;    // the frames it had played at the last reading
};

StreamClock NewStreamClock(uint32_t exposure, bool clocked);

// Called before the stream's first block is queued.
void SetStreamStart(StreamClock& clock, uint64_t firstFrame);

// How long the worker may wait before it looks at the device again: briefly
// until the first frame is heard, so that the light starts with it.
DWORD StreamSliceMs(const StreamClock& clock);

// Pauses or restarts the device as the user asks, while the exposure runs.
void FollowPause(StreamClock& clock, HWAVEOUT device);

// Reads what the device has played and publishes the session's frame heard;
// nothing before the first frame has been heard. True when the device has
// played on since the last reading (never for a stream without a clock,
// which reads no position).
bool ReportPosition(StreamClock& clock, HWAVEOUT device);

// While no device plays a session: its time goes on by the wall clock from
// the last reading (from now, if there was none), and stands still while paused.
void KeepClockWithoutDevice(uint32_t exposure);
