// The background noise of a session, in three colours, from the session's
// own generator: the process-wide generator's constants, seed 1 at the
// session's first frame, one draw for every frame of the session whatever
// its segments play. So the noise of frame j is the same whichever segment,
// colour or level it is heard in, and the process-wide generator of the
// sound modes draws exactly as it does without it.
#pragma once

#include <cstdint>

#include "session_format/SessionFile.h"

// Pink noise sums one held value per row; row k takes a new draw every
// 2^(k+1) frames.
constexpr int PinkRows = 16;

// One frame's noise in each colour, indexed by NoiseColour (None 0).
struct NoiseFrame {
  int16_t colours[4];
};

// The frames of noise kept behind the next, for a session that spins it.
constexpr uint32_t RecentNoiseFrames = 256;

struct SessionNoise {
  uint64_t frame;  // the session's frame that the next draw belongs to
  uint32_t seed;
  int32_t rows[PinkRows];
  int32_t rowSum;
  int32_t lastPinkSum;  // 2 x rowSum + white of the frame before; 0 before the first
  int32_t brown;
  // Set for a session with a spin voice: recent[j % RecentNoiseFrames] is
  // the noise of frame j for the RecentNoiseFrames frames before `frame`,
  // silence before the first.
  bool keepsRecent;
  NoiseFrame recent[RecentNoiseFrames];
};

// At the session's first frame; keepsRecent is kept as it was.
void StartSessionNoise(SessionNoise& noise);

// The noise of the next frame in every colour, and the state one frame
// further.
NoiseFrame NextNoiseFrame(SessionNoise& noise);

// The noise of the next frame in the given colour (0 for None), and the
// state one frame further.
int16_t NextNoiseSample(SessionNoise& noise, NoiseColour colour);

// Moves the state to the session's frame `frame`, as if every frame before
// it had been made; from the first frame again when it lies behind.
void AdvanceSessionNoise(SessionNoise& noise, uint64_t frame);
