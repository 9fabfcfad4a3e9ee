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

LongestLength LongestSession() {
  const uint64_t seconds = MaximumRenderBlocks / BlocksPerSecond;
  return {seconds / 3600, seconds / 60 % 60, seconds % 60};
}
