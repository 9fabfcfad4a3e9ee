// Session files: a sequence of segments, each a number of blocks in one sound
// mode at one frequency or sliding from one frequency to another, played one
// after the other as a single exposure.
//
//   # comment
//   DURATION MODE FREQUENCY [FREQUENCY]     e.g.  20m 1 12 4   or   1.5s 3 7,80
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "exposure/ExposureState.h"

struct SessionSegment {
  SoundMode mode;
  uint32_t blocks;
  uint32_t firstFrequency;  // hundredths of a hertz
  uint32_t lastFrequency;   // equal to the first unless the segment slides
};

// The frequency of block k (0 .. blocks - 1) of a segment: a straight slide
// from the first frequency to the last, truncated toward zero.
uint32_t SegmentFrequency(const SessionSegment& segment, uint32_t block);

uint64_t SessionBlocks(const std::vector<SessionSegment>& segments);

// The whole text is checked: false with a one-line message naming the line
// (from 1, blank and comment lines counted) and what is wrong with it.
bool ParseSession(const std::string& text, std::vector<SessionSegment>& segments,
                  std::string& error);

// Reads the whole session file, or standardInput when the name is "-"; false
// with a one-line message naming the file if it cannot be read or is too
// large to be a session.
bool ReadSession(const std::string& name, FILE* standardInput, std::string& text,
                 std::string& error);
