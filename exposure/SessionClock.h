// The clock of a session being played: which block the light shows and how
// bright it is at a time since Start, window-free. The sound's blocks follow
// the same schedule (sound/SessionSchedule.h), so light and sound agree.
#pragma once

#include <cstdint>

#include "sound/SessionSchedule.h"

constexpr uint32_t SessionBlockMs = 250;  // one block of 11025 frames

// The block playing elapsedMs after Start: floor(elapsedMs / 250).
uint64_t SessionBlockAt(uint32_t elapsedMs);

// The frame of the session's sound that plays elapsedMs after Start:
// floor(elapsedMs x 44100 / 1000).
uint64_t SessionFrameAt(uint32_t elapsedMs);

// The session's length in milliseconds: 250 per block.
uint64_t SessionLengthMs(const Session& session);

// The schedule's block at elapsedMs; past the end, the last block.
ScheduledBlock SessionBlockAtTime(const Session& session, uint32_t elapsedMs);

// A colour channel (0..255) under the fades at elapsedMs: exactly what the
// sound's fade does to a sample at the frame playing then, so light and
// sound rise and fall together. Past the end, the last frame's level.
int FadedLevel(int level, const Session& session, uint32_t elapsedMs);

// Each of the three channels of a COLORREF faded alike.
uint32_t FadedColour(uint32_t colour, const Session& session, uint32_t elapsedMs);
