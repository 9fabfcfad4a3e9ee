#include "player/PlayerText.h"

#include <algorithm>

#include "exposure/SessionClock.h"
#include "panel/FormatFrequency.h"
#include "player/PlayerStrings.h"

namespace {

std::string Frequency(uint32_t frequency) {
  char text[ReadoutBufferSize];
  FormatFrequency(frequency, text);
  return text;
}

std::string Word(const TextPair& text) { return InCurrentLanguage(text); }

// A slide is a straight line, so the extremes are at the segments' ends.
void FrequencyRange(const Session& session, uint32_t& lowest, uint32_t& highest) {
  lowest = MaximumFrequency;
  highest = MinimumFrequency;
  for (const SessionSegment& segment : session.segments) {
    const uint32_t first = SegmentFrequency(segment, 0);
    const uint32_t last = SegmentFrequency(segment, segment.blocks - 1);
    lowest = std::min({lowest, first, last});
    highest = std::max({highest, first, last});
  }
}

}  // namespace

std::string MinutesSeconds(uint64_t seconds) {
  const uint64_t rest = seconds % 60;
  return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::string DescribeSession(const Session& session) {
  uint32_t lowest, highest;
  FrequencyRange(session, lowest, highest);
  return MinutesSeconds(SessionLengthMs(session) / 1000) + ", " +
         std::to_string(session.segments.size()) + " " + Word(SegmentsWord) + ", " +
         Word(FromWord) + " " + Frequency(lowest) + " " + Word(ToWord) + " " +
         Frequency(highest) + " " + Word(FrequencyUnit);
}

std::string SessionProgress(const Session& session, uint32_t elapsedMs) {
  const uint64_t lengthMs = SessionLengthMs(session);
  const uint64_t shownMs = std::min<uint64_t>(elapsedMs, lengthMs);
  const ScheduledBlock block = SessionBlockAtTime(session, elapsedMs);
  return MinutesSeconds(shownMs / 1000) + " / " + MinutesSeconds(lengthMs / 1000) + ", " +
         Word(SegmentWord) + " " + std::to_string(block.segment + 1) + " " + Word(OfWord) + " " +
         std::to_string(session.segments.size()) + ", " + Frequency(block.frequency) + " " +
         Word(FrequencyUnit);
}
