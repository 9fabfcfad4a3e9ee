// What a session plays, block by block: the mode and frequency each block is
// synthesised at. The same for every program that plays or renders a session.
#pragma once

#include <cstddef>
#include <cstdint>

#include "session_format/SessionFile.h"

struct ScheduledBlock {
  SoundMode mode;
  uint32_t frequency;  // hundredths of a hertz, fixed for the whole block
  size_t segment;      // index into the session's segments
  // The block's place in its segment, from 0.
  uint32_t segmentBlock;
};

uint64_t SessionBlocks(const Session& session);

// The frequency of block k (0 .. blocks - 1) of a segment: a straight slide
// from the first frequency to the last, truncated toward zero.
uint32_t SegmentFrequency(const SessionSegment& segment, uint32_t block);

// The sum of the frequencies of a segment's first `blocks` blocks, exactly,
// without walking them: a voice that follows the segment's frequency has
// turned by this sum over 400 (hundredths of a hertz x 11025 frames over
// 4410000) at the start of block `blocks`.
uint64_t SegmentFrequencySum(const SessionSegment& segment, uint64_t blocks);

// Block k (0 .. SessionBlocks - 1) of the session. It walks the segments, a
// handful in any real session.
ScheduledBlock ScheduleBlock(const Session& session, uint64_t block);
