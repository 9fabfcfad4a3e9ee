// An .sbg file as one of our sessions: each stretch SBaGen plays becomes
// segments of whole blocks (split where a bell is struck), each slot's
// voice a voice of ours in the same place, sliding as SBaGen slides it, and
// the light following the first beat a tone-set has. The README's "SBaGen's
// .sbg files" defines every rule.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "session_format/SessionFile.h"

// Each noise's loudness (RMS, in sample units) at a level of 100 in SBaGen
// and in our session's noise: a level A of SBaGen's becomes
// A x theirs / ours, rounded, so that the noise sounds as loud.
struct NoiseLoudness {
  int64_t theirs, ours;
};
NoiseLoudness SbgNoiseLoudness(NoiseColour colour);

// The frequency of a session in which no stretch shows light.
constexpr uint32_t SbgDarkFrequency = 1000;

struct SbgSession {
  Session session;
  std::vector<std::string> notes;  // the file's ## comments, as SBaGen shows them
  // What the import says of each tone-set whose levels were scaled down to
  // 100, one line each, in English.
  std::vector<std::string> scaled;
};

// Reads, plans and converts the whole text (askedBlocks 0: as long as the
// file says; else long enough for that many blocks to be rendered of it,
// except where -E ends it). name labels the messages. False with the first problem and its line.
bool ImportSbg(const std::string& text, const std::string& name, uint64_t askedBlocks,
               SbgSession& imported, SessionError& error);

// Whether a file is read as an .sbg file: its name ends in .sbg, in any case.
bool IsSbgFileName(const std::string& path);

// The imported session as our session file's text, which reads back to the
// same session: the file's ## notes and what the import says as comments,
// its music line naming musicFile, then each segment's line with its voices
// under it. source names the .sbg file in the first comment.
std::string SbgSessionText(const SbgSession& imported, const std::string& source,
                           const std::string& musicFile);
