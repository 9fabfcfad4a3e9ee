// An .sbg file as SBaGen plays it from its first time line (or from -T):
// the stretches of the session in order, each with the voices at its start
// and at its end, every value moving linearly between, and the bells.
//
// The time lines form a circle of 24 hours. Each line's tone-set plays
// until the next line, and each change is a transition of -F (60 s by
// default) centred on the later line's time, trimmed by the tone-sets on
// either side in file order, the wrap-around from the last line to the
// first trimmed last. Within a transition each slot slides linearly from
// the old voice to the new, or goes through silence at the transition's
// middle where the fades say > or <, where the voice changes kind or
// waveform, or where a tone's carrier or beat changes under a -. A line
// ending in -> slides over the whole time to the next line instead, a slot
// that is off on one side taking the other side's voice at level 0.
//
// The session ends at the last time line with -E, else after -L, else after
// one hour.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "session_format/sbg/SbgFile.h"

constexpr uint64_t SbgBlockMs = 250;  // one block of 11025 frames at 44100 Hz
constexpr uint64_t SbgDefaultLengthMs = 3600000;

struct SbgStretch {
  uint64_t startMs;   // from the session's start
  uint64_t lengthMs;  // above 0
  uint32_t blocks;    // between its ends, each rounded to the nearest block; may be 0
  // Each voice at the stretch's start and at its end, of the same type;
  // bells are Off here and ring in SbgTimeline::bells.
  SbgVoice first[SbgSlots];
  SbgVoice last[SbgSlots];
  uint64_t line;  // the time line it plays, or for a transition the line it leads to
};

// A bell rings once, at the middle of the transition into its tone-set: the
// time of its line unless a neighbour trimmed the transition.
struct SbgBell {
  uint64_t atMs;  // from the session's start
  uint64_t block;
  size_t slot;
  int32_t carrier;    // hundredths of a hertz
  int32_t amplitude;  // hundredths of a per cent
  uint64_t line;
};

struct SbgTimeline {
  std::vector<SbgStretch> stretches;
  std::vector<SbgBell> bells;  // in order of time
  uint64_t lengthMs;           // whole seconds, so whole blocks
  uint64_t blocks;
};

// The block a time from the session's start falls on, rounded to the
// nearest (half a block up): rounding each boundary where it lies, rather
// than each stretch's length, keeps every boundary within half a block of
// its time and the session's length exact.
uint64_t SbgBlockAt(uint64_t ms);

// False where the session would be empty or longer than a session may be,
// with the line of the option or time line that makes it so.
bool PlanSbgTimeline(const SbgFile& file, const std::string& name, SbgTimeline& timeline,
                     SessionError& error);
// The same for a part askedMs long (whole blocks; 0 for as the file says)
// to be rendered: where the file's own length, -E's, -L's or the hour, is
// shorter and -E does not end it, the session lasts askedMs instead.
bool PlanSbgTimeline(const SbgFile& file, const std::string& name, uint64_t askedMs,
                     SbgTimeline& timeline, SessionError& error);
