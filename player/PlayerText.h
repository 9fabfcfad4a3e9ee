// The player's texts that are computed, window-free, in the current
// language and in UTF-8: the line that describes a session, the progress of
// one that plays, the name it is listed under and the message about a file
// that is not taken.
#pragma once

#include <cstdint>
#include <string>

#include "session_format/SessionSchedule.h"

// "m:ss" of whole seconds; minutes are not wrapped into hours.
std::string MinutesSeconds(uint64_t seconds);

// "15:00, 3 segments, from 4,00 to 12,00 Hz": the length, the number of
// segments, the lowest and the highest frequency of the schedule.
std::string DescribeSession(const Session& session);

// "1:05 / 15:00, segment 2 of 3, 9,40 Hz": the time since Start (at most the
// length), the segment and the frequency of the block playing then.
std::string SessionProgress(const Session& session, uint32_t elapsedMs);

// What the list shows for a session: its title in the current language,
// else its title in the other, else the name of its file.
std::string ListedTitle(const Session& session, const std::string& fileName);

// The line of the file (if the problem has one) and what is wrong there.
std::string LineProblem(const SessionError& error);

// The path of a file that stays out of the list, then on a line of its own
// its LineProblem.
std::string BadFileMessage(const std::string& path, const SessionError& error);

// The line under the editor's picture: the session's description, and for
// the block under the mouse cursor (none below 0) its time, segment and
// frequency.
std::string PictureLine(const Session& session, int64_t pointedBlock);

// The question before the editor's unsaved changes are left behind.
std::string SaveQuestionText(const std::string& sessionName);

// The path of a file that could not be read, then that it could not.
std::string UnreadableFileMessage(const std::string& path);
