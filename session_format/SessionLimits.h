// The limits of a session's values as the problems name them, taken from
// where each limit is defined, so that a message never names another.
#pragma once

#include <cstdint>
#include <string>

// "0.10..50.00": the frequency's, in hertz with two decimals.
std::string FrequencyLimits();
// "0..4": the sound modes' and the patterns'.
std::string ModeLimits();
// "0..100": a level's, in per cent.
std::string LevelLimits();
// "1000000": the most blocks of a session.
std::string BlockLimit();

// The longest session, in whole hours, minutes and seconds: 69, 26, 40.
struct LongestLength {
  uint64_t hours, minutes, seconds;
};
LongestLength LongestSession();
