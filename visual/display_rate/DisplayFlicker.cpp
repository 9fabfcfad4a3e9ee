#include "visual/display_rate/DisplayFlicker.h"

#include <algorithm>
#include <cmath>

#include "session_format/SessionSchedule.h"
#include "visual/Patterns.h"
#include "visual/SessionLight.h"
#include "visual/display_rate/DisplaySampling.h"

namespace {

const uint32_t CommonRefreshHz = 60;
// As long as the display-rate table counts, so that the two agree.
const uint32_t CountedSeconds = 600;

// The distance of a rate from the nearest multiple of the sampling rate: a
// picture repeating that often, sampled that often, appears to repeat at it.
uint32_t Aliased(uint32_t frequency, uint32_t samplesPerSecond) {
  const uint32_t rate = samplesPerSecond * 100;
  const uint32_t rest = frequency % rate;
  return std::min(rest, rate - rest);
}

}  // namespace

uint32_t UsableRefreshHz(uint32_t reportedHz) { return reportedHz <= 1 ? CommonRefreshHz : reportedHz; }

bool DisplayCannotShow(uint32_t frequency, uint32_t refreshHz) {
  return static_cast<uint64_t>(frequency) * 2 >= static_cast<uint64_t>(refreshHz) * 100;
}

uint32_t SeenFrequency(VisualMode pattern, uint32_t frequency, uint32_t refreshHz) {
  if (pattern == VisualMode::SmoothStrobe || pattern == VisualMode::DiscreteStrobe) {
    const double seenHz = SeeStrobe(pattern, frequency, refreshHz, CountedSeconds).shownHz;
    return static_cast<uint32_t>(std::lround(seenHz * 100));
  }
  const uint32_t ticksPerSecond = 1000 / PatternTickMs(pattern, true);
  return Aliased(Aliased(frequency, ticksPerSecond), refreshHz);
}

std::vector<UnseenSegment> SegmentsDisplayCannotShow(const Session& session, VisualMode chosen,
                                                     uint32_t refreshHz) {
  std::vector<UnseenSegment> unseen;
  for (size_t i = 0; i < session.segments.size(); i++) {
    const SessionSegment& segment = session.segments[i];
    const VisualMode pattern = SegmentPattern(segment, chosen);
    // A slide is a straight line: its highest frequency is at one of its ends.
    const uint32_t highest =
        std::max(SegmentFrequency(segment, 0), SegmentFrequency(segment, segment.blocks - 1));
    const bool dark = pattern == VisualMode::None || segment.brightness == 0;
    if (dark || !DisplayCannotShow(highest, refreshHz)) continue;
    unseen.push_back({i, highest, SeenFrequency(pattern, highest, refreshHz)});
  }
  return unseen;
}
