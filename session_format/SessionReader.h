// Reading a session file: the text itself (UTF-8, a leading byte-order mark
// skipped), so that a program may hold it from any source: a file, standard
// input or a resource.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "session_format/SessionFile.h"

// The whole text is checked. name only labels the messages (render-sound
// gives "session"). False with the first line found wrong and what is wrong.
bool ParseSession(const std::string& text, const std::string& name, Session& session,
                  SessionError& error);

// Where a line's comment begins: its first # that is not a colour's right
// after the word colour; npos without a comment.
size_t CommentStart(const std::string& line);

// A segment as written without any of the words.
SessionSegment PlainSegment(SoundMode mode, uint32_t blocks, uint32_t firstFrequency,
                            uint32_t lastFrequency);
