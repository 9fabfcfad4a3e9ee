// The texts about sessions that are computed, window-free, in the current
// language and in UTF-8, for the session player and the editor: the line
// that describes a session, the progress of one that plays, the message
// about a file that is not taken, and the choice of files of a file dialog.
#pragma once

#include <cstdint>
#include <string>

#include "language/TextPair.h"
#include "session_format/SessionFile.h"
#include "visual/display_rate/DisplayFlicker.h"

// "m:ss" of whole seconds; minutes are not wrapped into hours.
std::string MinutesSeconds(uint64_t seconds);

// "15:00, 3 segments, from 4,00 to 12,00 Hz": the length, the number of
// segments, the lowest and the highest frequency of the schedule.
std::string DescribeSession(const Session& session);

// "1:05 / 15:00, segment 2 of 3, 9,40 Hz": the time since Start (at most the
// length), the segment and the frequency of the block playing then.
std::string SessionProgress(const Session& session, uint32_t elapsedMs);

// What the display cannot show of a session, before it is started: "At 60
// Hz this display shows the 40,00 Hz of segment 2 as a 18,33 Hz flicker.",
// and the other such segments by their numbers; "" when there are none.
std::string DisplayFlickerWarning(const std::vector<UnseenSegment>& unseen, uint32_t refreshHz);

// The line of the file (if the problem has one) and what is wrong there.
std::string LineProblem(const SessionError& error);

// The path of a file that stays out of the list, then on a line of its own
// its LineProblem.
std::string BadFileMessage(const std::string& path, const SessionError& error);

// The path of a file that could not be read, then that it could not.
std::string UnreadableFileMessage(const std::string& path);

// A file dialog's choice of files: those of `pattern` (named by `files`), or
// all; pairs of a name and its pattern, each ended by a null, and a null
// after the last.
std::string FileFilter(const TextPair& files, const char* pattern);
