// The reader's handling of one line's fields, shared by the line dispatch
// (SessionReader), the segment's words (SessionWords) and the check of a
// value before it is written (SessionLines).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "session_format/SessionFile.h"

// A segment with every word has 15 fields; only this many are kept, the
// rest counted, so that a long line of noise costs no memory.
constexpr size_t KeptFields = 16;

// Records a problem with its values; always false, for returning.
bool Problem(SessionError& error, SessionProblem problem, const std::string& word = "",
             const std::string& field = "", uint64_t count = 0, uint64_t limit = 0);

// Words the problem in English and labels it "NAME line N: " (only "NAME: "
// for line 0); always false.
bool Refuse(const std::string& name, uint64_t line, SessionError& error);

bool ParseDurationField(const std::string& field, uint32_t& blocks, SessionError& error);
bool ParseModeField(const std::string& field, SoundMode& mode, SessionError& error);
bool ParseFrequencyField(const std::string& field, uint32_t& frequency, SessionError& error);
// A whole number of per cent, 0..100, of a word (volume, noise, brightness)
// or of the music.
bool ParseLevelField(const std::string& word, const std::string& field, uint32_t& level,
                     SessionError& error);
