// The reader's handling of one line's fields, shared by the line dispatch
// (SessionFile.cpp), the segment's words (SessionWords.cpp) and the check
// of a value before it is written (SessionLines.cpp).
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

// The fields from `first` on: volume, noise, light, brightness and colour,
// in any order, each at most once.
bool ParseSegmentWords(const std::vector<std::string>& fields, size_t first,
                       SessionSegment& segment, SessionError& error);

// The first field of a voice line: binaural, monaural, isochronic, tone,
// noise or music.
bool IsVoiceKindWord(const std::string& field);

// A voice line's fields (fields[0] its kind, count of them in all) into
// voice, checked whole; the line is the caller's to set.
bool ParseVoice(const std::vector<std::string>& fields, size_t count, Voice& voice,
                SessionError& error);

// The values of a voice, by the word its messages name them with.
enum class VoiceValue { Carrier, Beat, Rate, Level };
const char* VoiceValueWord(VoiceValue value);

// One value as written: a number, a slide FIRST..LAST, or f for a beat or a
// rate (followsFrequency set); checked against the value's range.
bool ParseVoiceValue(VoiceValue value, const std::string& field, VoiceSlide& slide,
                     bool& followsFrequency, SessionError& error);

// The shape words of a kind: isochronic takes every shape, tone every one
// but smooth.
bool ParseVoiceShape(VoiceKind kind, const std::string& field, VoiceShape& shape,
                     SessionError& error);
