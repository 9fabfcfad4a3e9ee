// Voice lines: the first field a voice's kind, then its values, each a
// number, a slide FIRST..LAST, or f for a beat or a rate.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "session_format/SessionFile.h"

// The first field of a voice line: binaural, monaural, isochronic, tone,
// noise, music, spin or bell.
bool IsVoiceKindWord(const std::string& field);

// A voice line's fields (fields[0] its kind, count of them in all) into
// voice, checked whole; the line is the caller's to set.
bool ParseVoice(const std::vector<std::string>& fields, size_t count, Voice& voice,
                SessionError& error);

// The values of a voice, by the word its messages name them with.
enum class VoiceValue { Carrier, Beat, Rate, Level, Width };
const char* VoiceValueWord(VoiceValue value);

// One value as written: a number, a slide FIRST..LAST, or f for a beat or a
// rate (followsFrequency set); checked against the value's range.
bool ParseVoiceValue(VoiceValue value, const std::string& field, VoiceSlide& slide,
                     bool& followsFrequency, SessionError& error);

// The shape words of a kind: isochronic takes every shape, tone every one
// but smooth.
bool ParseVoiceShape(VoiceKind kind, const std::string& field, VoiceShape& shape,
                     SessionError& error);

// The words of a voice's kind and shape as a session file writes them:
// "binaural", "isochronic", ..., "spin", "bell"; "sine", "square", "triangle",
// "saw", "smooth".
const char* VoiceKindWord(VoiceKind kind);
const char* VoiceShapeWord(VoiceShape shape);

// How many kinds the reader knows (VoiceKind's values 0 up to it) and how
// many shapes, so that a list of them follows the reader.
size_t VoiceKindCount();
size_t VoiceShapeCount();

// How many values a line of the kind has after its word, at the least.
size_t LeastVoiceValues(VoiceKind kind);
