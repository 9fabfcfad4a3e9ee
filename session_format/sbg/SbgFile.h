// The field's .sbg session files, read as SBaGen 1.4.5 and SBaGen+ read
// them: option lines at the top, tone-sets of up to 16 voices, blocks of
// relative time lines, and time lines that say when each tone-set plays and
// how it turns into the next.
//
//   -SE                                      options
//   alpha: pink/40 200+10/10                 a tone-set
//   seq: {                                   a block, every line relative
//    +00:00 alpha
//   }
//   00:00 alpha                              time [fades] name [->]
//   NOW+00:10 == alpha ->
//
// What our voices cannot say is refused with its line, never guessed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "session_format/SessionFile.h"

constexpr size_t SbgSlots = 16;
constexpr uint32_t SbgDayMs = 86400000;
constexpr uint32_t SbgDefaultFadeMs = 60000;
// A file's time lines with its blocks expanded: a day at one line every
// 8.64 s, which keeps the timeline of the longest session in memory.
constexpr size_t SbgMostTimeLines = 10000;
// Blocks called within blocks: each is a level of the reader's recursion.
constexpr size_t SbgDeepestBlocks = 50;

enum class SbgVoiceType : int32_t { Off, Binaural, Isochronic, Pink, White, Brown, Bell, Spin, Mix };
enum class SbgWave : int32_t { Sine, Square, Triangle, Sawtooth };

// One voice, its numbers in hundredths as they are rounded at import.
struct SbgVoice {
  SbgVoiceType type;
  SbgWave wave;       // of a plain tone C/A; Sine for every other voice
  int32_t carrier;    // Hz: a binaural, plain or isochronic tone's, a bell's
  int32_t beat;       // Hz, signed: B of C+B/A (C-B/A is -B), the pulse of C@P/A, a spin's rate
  int32_t width;      // microseconds: a spin's W
  int32_t amplitude;  // per cent, 0..100
  NoiseColour noise;  // what a spin turns: pink (spin:), brown (bspin:), white (wspin:); else None
};

struct SbgToneSet {
  std::string name;
  SbgVoice voices[SbgSlots];  // slot by slot, as written; Off after the last
  uint64_t line;
  // Levels adding up to more than 100 are scaled down to 100 as SBaGen+
  // does: the sum as written, in hundredths; 0 where nothing was scaled.
  uint32_t scaledFrom;
};

struct SbgTimeLine {
  uint32_t time;     // ms after midnight, 0 .. SbgDayMs - 1; NOW is midnight
  char fadeIn;       // '<' from silence, '-' a fade, '=' a slide
  char fadeOut;      // '>' to silence, '-' a fade, '=' a slide
  bool slide;        // a trailing ->: one slide from this line to the next
  size_t toneSet;    // into SbgFile::toneSets
  uint64_t line;     // where it is written, inside its block for a block's
};

struct SbgFile {
  std::vector<SbgToneSet> toneSets;    // every definition, in file order
  std::vector<SbgTimeLine> timeLines;  // in file order, blocks expanded
  std::vector<std::string> notes;      // the text of the ## comments
  bool endAtLastLine;                  // -E
  bool startAtClock;                   // -T
  uint32_t startTime;                  // -T's, ms after midnight
  uint64_t lengthMs;                   // -L's; 0 without
  uint32_t fadeMs;                     // -F's
  std::string mixFile;                 // -m's, as written; empty without
  uint64_t endLine, startLine, lengthLine, mixLine;  // of those options; 0 without
};

// The whole text is read. name only labels the messages. False with the
// first line found wrong and what is wrong.
bool ReadSbg(const std::string& text, const std::string& name, SbgFile& file,
             SessionError& error);

// One voice word of a tone-set, such as 200+10/15 or pink/40.
bool ParseSbgVoice(const std::string& word, SbgVoice& voice, SessionError& error);

SbgVoice SbgOff();
