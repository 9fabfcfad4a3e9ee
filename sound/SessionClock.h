// The clock of a session being played. While a sound device is open the
// session's time is the sound's own position, so that the light goes with
// what is heard whatever the device's delays: the audio worker publishes what it reads of the device, and the
// drawing tick and the player's progress read it. Window-free: readers pass
// the multimedia time (timeGetTime) they read it at.
#pragma once

#include <cstdint>

#include "session_format/SessionTime.h"
#include "sound/Synthesis.h"

// What the audio worker last learnt of the sound: the session's frame heard
// at multimedia time readingMs. While it advances, the frames after a
// reading are counted at 44.1 a millisecond until the next; it stands still
// while the sound is paused. While no device is open the last reading goes
// on advancing, so the session's time goes on by the wall clock; when the
// first device cannot be opened, the worker publishes frame 0 advancing from
// then.
struct SoundPosition {
  uint32_t exposure;  // the exposure it was read for
  uint64_t frame;
  uint32_t readingMs;
  bool advancing;
};

// The audio worker's alone: the one writer of the published position.
void PublishSoundPosition(const SoundPosition& position);

// The latest position published for this exposure; false while there is
// none, that is before its sound has been heard.
bool LatestSoundPosition(uint32_t exposure, SoundPosition& position);

// The frame a reading stands for at nowMs.
uint64_t FrameAt(const SoundPosition& position, uint32_t nowMs);

// One reader's view of the clock. Each reader keeps its own, since readings
// extrapolated by the wall clock can run ahead of the next reading: a
// reader never shows a frame earlier than one it has shown.
struct ClockReader {
  uint32_t exposure;
  uint64_t lastFrame;
};

// The session's frame for this reader at nowMs; false before the sound of
// the exposure has been heard (the light stays dark until then).
bool ReadSessionClock(uint32_t exposure, uint32_t nowMs, ClockReader& reader, uint64_t& frame);

// A device's 32-bit count of what it has played, extended to 64 bits: it
// wraps (after 27 hours of frames, or 6.8 hours of bytes where a driver
// counts in bytes) and starts again at 0 with each opening.
struct DeviceCount {
  uint32_t last;
  uint64_t wraps;
};

// The frames played, from the device's count in frames or in bytes (four a frame).
uint64_t FramesPlayed(DeviceCount& count, uint32_t reported, bool inBytes);
