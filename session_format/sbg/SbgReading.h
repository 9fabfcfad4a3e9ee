// What the .sbg reader keeps while it reads, shared by its line dispatch
// (SbgRead.cpp), its options (SbgOptions.cpp) and its time lines
// (SbgTimeLines.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "session_format/sbg/SbgFile.h"

// A block's lines, kept as text: each is read only where a time line calls
// the block, with the caller's time written in front of it.
struct SbgBlock {
  std::vector<std::string> lines;
  std::vector<uint64_t> lineNumbers;
  uint64_t line;      // of its NAME: {
  bool expanding;     // while its lines are read, so that it cannot call itself
};

// A name and what it stands for; a later definition hides an earlier one.
struct SbgName {
  std::string name;
  bool block;
  size_t index;  // into SbgFile::toneSets or SbgReading::blocks
};

enum class SbgTimeBase { None, Now, Clock };

struct SbgReading {
  std::vector<SbgName> names;
  std::vector<SbgBlock> blocks;
  bool inBlock;            // between a NAME: { and its }
  uint64_t contentLine;    // the first line that is not an option; 0 until then
  bool haveAbsolute;       // a relative time counts from the last absolute one
  uint32_t lastAbsolute;   // ms after midnight
  uint64_t nowLine;        // the first time timed from NOW; 0 for none
  uint64_t clockLine;      // the first clock time, or -T's line; 0 for none
  uint64_t span;           // ms from the first time line to the last, on the day's circle
  bool startAndSOrQ;       // -S or -q 1 seen, which -T may not join
  uint64_t errorLine;      // the line being read, inside a block the block's
  size_t depth;            // blocks being expanded, one within the other
};

// hh:mm or hh:mm:ss, each field one or two digits, hours below hourLimit.
bool ParseSbgClock(const std::string& text, uint32_t hourLimit, uint64_t& ms);

bool ReadSbgOptions(const std::vector<std::string>& words, uint64_t line, SbgReading& reading,
                    SbgFile& file, SessionError& error);

// TIME [FADES] NAME [->]; a block's name expands to its lines.
bool ReadSbgTimeLine(const std::string& content, uint64_t line, SbgReading& reading,
                     SbgFile& file, SessionError& error);

// The words of a line, split at spaces and tabs.
std::vector<std::string> SbgWords(const std::string& content);
