// The work of render-sound: the blocks of a session, one exposure from the
// first to the last, written to a stream.
#pragma once

#include <cstdint>
#include <cstdio>

#include "sound/SessionFile.h"

// Blocks in order, each the synthesis of its scheduled mode and frequency
// with the fades laid over it, the frame counter and the generator running on
// from block to block. A WAV header first unless raw; progress on progressTo
// (nullptr for none). False when a write fails.
bool RenderSession(const Session& session, uint32_t position, uint32_t seed, bool raw, FILE* out,
                   FILE* progressTo);

// The schedule as text: "blocks N fade-in I fade-out O", then one line per
// block, "BLOCK SEGMENT MODE FREQUENCY" (hundredths of a hertz), for scripts
// that draw or check a session. False when a write fails.
bool WriteSchedule(const Session& session, FILE* out);

// render-sound as a process: reads the session (if any) from in, writes the
// sound to out unless --output names a file, messages and progress to err.
// Nothing is written and no file created unless the whole command line and
// session are valid. Returns the exit status: 0, 1 (writing failed) or 2
// (bad arguments or session).
int RunRenderSound(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err);
