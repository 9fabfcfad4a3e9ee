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

// The values of an .sbg file's voices that the import takes, in hundredths.
constexpr int32_t MostSbgCarrier = 2000000;  // 0..20000 Hz: a tone's or a bell's
constexpr int32_t MostSbgBeat = 10000;       // -100..100 Hz: a beat or a spin's rate
constexpr int32_t LeastSbgPulse = 10;        // 0.10..100 Hz: an isochronic pulse
constexpr int32_t MostSbgPulse = 10000;
constexpr int32_t MostSbgWidth = 2000000;    // -20000..20000 microseconds: a spin's width
// "0..20000", "0.10..100" and so on: the limits of a voice's value, named
// carrier, beat, pulse, spin, width or level; empty for another name.
std::string SbgValueLimits(const std::string& value);

// The longest session, in whole hours, minutes and seconds: 69, 26, 40.
struct LongestLength {
  uint64_t hours, minutes, seconds;
};
LongestLength LongestSession();
