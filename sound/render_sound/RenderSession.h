// The work of render-sound: the blocks of a session, one exposure from the
// first to the last, written to a stream.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "session_format/SessionFile.h"
#include "sound/SessionSound.h"
#include "sound/render_sound/RenderArguments.h"

enum class RenderEnd { Done, WriteFailed, MusicFailed };

// Blocks in order, each the session's sound as SynthesizeSessionBlock makes
// it, the frame counter and the generator running on from block to block
// from settings.position and settings.seed, at the listener's level
// settings.volume. A WAV header first unless settings.raw; progress on
// progressTo (nullptr for none). The samples the mix clamped are counted
// into clamped, one count per segment. Stops at a failed write or music read.
RenderEnd RenderSession(SessionSound& sound, const RenderSettings& settings, FILE* out,
                        FILE* progressTo, std::vector<uint64_t>& clamped);

// The schedule as text: "blocks N fade-in I fade-out O", then one line per
// block, "BLOCK SEGMENT MODE FREQUENCY" (hundredths of a hertz), for scripts
// that draw or check a session. full adds the block's levels and light:
// "VOLUME NOISE NOISE-LEVEL MUSIC-LEVEL LIGHT BRIGHTNESS #RRGGBB", then each
// of its voices at the block's first frame, "KIND CARRIER BEAT LEVEL SHAPE".
// False when a write fails.
bool WriteSchedule(const Session& session, uint64_t blocks, bool full, FILE* out);

// "2 (line 5), 4 (line 9)": the segments that clamped, counted from 1 in the
// order of the file, with their lines.
std::string ClampedSegments(const Session& session, const std::vector<uint64_t>& clamped);

// render-sound as a process: reads the session (if any) from in, writes the
// sound to out unless --output names a file, messages and progress to err.
// Nothing is written and no file created unless the whole command line and
// session are valid and the music can be played. Returns the exit status: 0,
// 1 (writing or reading the music failed: an output file is removed) or 2
// (bad arguments or session).
int RunRenderSound(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err);
