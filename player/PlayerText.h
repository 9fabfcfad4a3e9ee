// The player's texts that are computed, window-free, in the current
// language: the line that describes a session and the progress of one
// that plays.
#pragma once

#include <cstdint>
#include <string>

#include "sound/SessionSchedule.h"

// "m:ss" of whole seconds; minutes are not wrapped into hours.
std::string MinutesSeconds(uint64_t seconds);

// "15:00, 3 segments, from 4,00 to 12,00 Hz": the length, the number of
// segments, the lowest and the highest frequency of the schedule.
std::string DescribeSession(const Session& session);

// "1:05 / 15:00, segment 2 of 3, 9,40 Hz": the time since Start (at most the
// length), the segment and the frequency of the block playing then.
std::string SessionProgress(const Session& session, uint32_t elapsedMs);
