// Session files: a sequence of segments, each a number of blocks in one sound
// mode at one frequency or sliding from one frequency to another, played one
// after the other as a single exposure, with an optional fade at either end.
//
//   # comment
//   fade-in DURATION                        e.g.  fade-in 20s
//   fade-out DURATION                       e.g.  fade-out 1.5m
//   DURATION MODE FREQUENCY [FREQUENCY]     e.g.  20m 1 12 4   or   1.5s 3 7,80
//
// The reader takes the text itself, so that a program may hold it from any
// source: a file, standard input or a resource.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exposure/ExposureState.h"

struct SessionSegment {
  SoundMode mode;
  uint32_t blocks;
  uint32_t firstFrequency;  // hundredths of a hertz
  uint32_t lastFrequency;   // equal to the first unless the segment slides
};

struct Session {
  std::vector<SessionSegment> segments;
  uint32_t fadeInBlocks;  // 0 for none
  uint32_t fadeOutBlocks;
};

struct SessionError {
  uint64_t line;        // from 1, blank and comment lines counted; 0 for none
  std::string what;     // what is wrong, one line
  std::string message;  // "NAME line 3: WHAT", or "NAME: WHAT" without a line
};

// The whole text is checked. name only labels the messages (render-sound
// gives "session"). False with the first line found wrong and what is wrong.
bool ParseSession(const std::string& text, const std::string& name, Session& session,
                  SessionError& error);
