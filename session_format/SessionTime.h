// A session's time: its frames and milliseconds, the block playing at a
// time, and the fades' level at a frame, which the sound and the light share.
#pragma once

#include <cstdint>

#include "session_format/SessionSchedule.h"

constexpr uint32_t SessionBlockMs = 250;  // one block of 11025 frames

// The frame of the session's sound elapsedMs after its first frame:
// floor(elapsedMs x 44100 / 1000).
uint64_t SessionFrameAt(uint32_t elapsedMs);

// Milliseconds of sound in a number of frames, truncated.
uint64_t SessionMsAt(uint64_t frame);

// The session's length in frames, and in milliseconds: 250 per block.
uint64_t SessionFrames(const Session& session);
uint64_t SessionLengthMs(const Session& session);

// The schedule's block playing at a frame, or at a time; past the end, the last block.
ScheduledBlock SessionBlockAtFrame(const Session& session, uint64_t frame);
ScheduledBlock SessionBlockAtTime(const Session& session, uint32_t elapsedMs);

// A colour channel (0..255) under the fades at a frame: exactly what the
// sound's fade does to a sample of that frame, so light and sound rise and
// fall together. Past the end, the last frame's level.
int FadedLevel(int level, const Session& session, uint64_t frame);

// Each of the three channels of a COLORREF faded alike.
uint32_t FadedColour(uint32_t colour, const Session& session, uint64_t frame);

// One sample of frame j (from 0) of a session of `frames` frames whose fades
// last fadeInFrames and fadeOutFrames, which together fit in the session:
// s x j / fadeIn while j < fadeIn, s x (frames - j) / fadeOut while
// j >= frames - fadeOut, else s; in 64-bit integers, truncated toward zero.
int16_t FadedSample(int16_t sample, uint64_t j, uint64_t frames, uint64_t fadeInFrames,
                    uint64_t fadeOutFrames);

