// One turn of an .sbg file's 24-hour circle as pieces, each a straight line
// from the voices at its start to the voices at its end: the tone-sets'
// steady periods and the transitions between them (SbgTimeline.h says how).
#pragma once

#include <cstdint>
#include <vector>

#include "session_format/sbg/SbgFile.h"

// Times in ms on the circle unrolled from the first line's time, so that
// every piece has from <= to.
struct SbgPiece {
  int64_t from, to;
  SbgVoice first[SbgSlots];
  SbgVoice last[SbgSlots];
  uint64_t line;
};

struct SbgRing {
  int64_t at;
  size_t slot;
  SbgVoice bell;
  uint64_t line;
};

struct SbgCycle {
  std::vector<SbgPiece> pieces;  // in order, covering start .. start + SbgDayMs
  std::vector<SbgRing> rings;
  int64_t start;
  int64_t firstLineAt, lastLineAt;  // of the first and last time lines
};

// The quotient to the nearest whole number, a half away from zero.
int64_t RoundedDivision(int64_t numerator, int64_t denominator);

void BuildSbgCycle(const SbgFile& file, SbgCycle& cycle);

// The voice a piece's slot has at time `at`, each value rounded to the
// nearest hundredth.
SbgVoice SbgVoiceAt(const SbgPiece& piece, size_t slot, int64_t at);
