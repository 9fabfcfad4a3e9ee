#include "session_format/SessionLimits.h"

#include "exposure/Modes.h"
#include "session_format/SessionFile.h"
#include "session_format/TextFields.h"

namespace {

// Hundredths of a hertz as the limits are written: always two decimals.
std::string Hertz(uint32_t hundredths) {
  const uint32_t cents = hundredths % 100;
  return std::to_string(hundredths / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

}  // namespace

std::string FrequencyLimits() {
  return Hertz(MinimumFrequency) + ".." + Hertz(MaximumFrequency);
}

std::string ModeLimits() { return "0.." + std::to_string(ModeCount - 1); }

std::string LevelLimits() { return "0.." + std::to_string(FullLevel); }

std::string BlockLimit() { return std::to_string(MaximumRenderBlocks); }

namespace {

// Hundredths as the limits of a voice's values are written: 0.10, 100, -20000.
std::string Hundredths(int32_t value) {
  const int32_t magnitude = value < 0 ? -value : value;
  const int32_t cents = magnitude % 100;
  return (value < 0 ? "-" : "") + std::to_string(magnitude / 100) +
         (cents == 0 ? "" : (cents < 10 ? ".0" : ".") + std::to_string(cents));
}

std::string Between(int32_t low, int32_t high) { return Hundredths(low) + ".." + Hundredths(high); }

}  // namespace

std::string SbgValueLimits(const std::string& value) {
  if (value == "carrier") return Between(0, MostSbgCarrier);
  if (value == "beat" || value == "spin") return Between(-MostSbgBeat, MostSbgBeat);
  if (value == "pulse") return Between(LeastSbgPulse, MostSbgPulse);
  if (value == "width") return Between(-MostSbgWidth, MostSbgWidth);
  if (value == "level") return LevelLimits();
  return "";
}

LongestLength LongestSession() {
  const uint64_t seconds = MaximumRenderBlocks / BlocksPerSecond;
  return {seconds / 3600, seconds / 60 % 60, seconds % 60};
}
