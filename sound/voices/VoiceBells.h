// Bells: each bell voice is struck once, at the first frame of its
// segment, and rings on, dying away step by step, whatever segments follow,
// until it is silent or the session ends.
#pragma once

#include <cstdint>
#include <vector>

#include "session_format/SessionFile.h"

// Frames between two steps down of a bell's level: 50 ms.
constexpr uint32_t BellStepFrames = 2205;

// A bell's level n steps after its strike (hundredths of a per cent):
// from its voice's level, each step takes away a twelfth of the level
// before (truncated) and one more, down to 0.
int32_t BellLevelAfter(int32_t level, uint64_t steps);

struct BellStrike {
  uint64_t frame;   // the session's frame it is struck at
  uint64_t silent;  // the first frame it no longer sounds at
  int32_t carrier;  // hundredths of a hertz
  int32_t level;    // hundredths of a per cent
};

// Every bell of the session, in order of the frames they are struck at.
std::vector<BellStrike> SessionBells(const Session& session);

// Whether some bell sounds in the block of FramesPerBlock frames from the
// session's frame firstFrame.
bool BellsRing(const std::vector<BellStrike>& bells, uint64_t firstFrame);

// Adds the bells that sound in that block into sums (left, right: alike).
void AddBells(const std::vector<BellStrike>& bells, uint64_t firstFrame, int32_t* sums);
