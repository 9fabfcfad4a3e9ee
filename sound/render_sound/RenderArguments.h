// The command line of render-sound, parsed without touching any file.
#pragma once

#include <cstdint>
#include <string>

#include "exposure/Modes.h"

struct RenderSettings {
  SoundMode mode;
  uint32_t frequency;
  uint32_t blocks;      // from --blocks, or --minutes converted; for an .sbg session 0 without
  std::string session;  // a session file, "-" for standard input; empty for none
  uint32_t position;    // the frame counter before the first block
  uint32_t seed;        // the generator's state before the first draw
  bool raw;
  bool schedule;  // the blocks' modes and frequencies as text instead of sound
  bool fullSchedule;  // the schedule with each block's levels and light
  bool convert;       // an .sbg session written as our session file instead of sound
  uint32_t volume;    // the listener's level, per cent
  std::string output;  // "-" is standard output
};

// False with a one-line message naming the argument and its allowed range.
// A session file whose name ends in .sbg is SBaGen's, which takes --minutes
// and --convert.
bool ParseRenderArguments(int argc, const char* const* argv, RenderSettings& settings,
                          std::string& error);

// The 44-byte header of a 44100 Hz, 16-bit, 2-channel PCM file of the given
// number of frames. Sizes beyond what the 32-bit fields hold are saturated
// at 0xFFFFFFFF, which readers take as "to the end of the file".
void WriteWavHeader(uint64_t frames, unsigned char header[44]);
