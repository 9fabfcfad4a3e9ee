// What a display of a given refresh rate does to a session's flicker,
// window-free: a flicker at or above half the refresh rate cannot be shown,
// and is seen at another, often slower and more dangerous, frequency.
#pragma once

#include <cstdint>
#include <vector>

#include "exposure/Modes.h"
#include "session_format/SessionFile.h"

// Windows reports 0 or 1 for a display's "default" rate of its hardware:
// that is taken as the common 60 Hz.
uint32_t UsableRefreshHz(uint32_t reportedHz);

// A flicker (hundredths of a hertz) at or above half the refresh rate.
bool DisplayCannotShow(uint32_t frequency, uint32_t refreshHz);

// The frequency (hundredths of a hertz) a viewer sees of the pattern drawn
// at `frequency`: for the strobes as the display-rate table counts the
// flashes over ten minutes; for the rings and the grid, whose picture
// repeats `frequency` times a second, the distance from that rate to the
// nearest multiple of the rate of their ticks, and then of the display.
uint32_t SeenFrequency(VisualMode pattern, uint32_t frequency, uint32_t refreshHz);

struct UnseenSegment {
  size_t segment;      // 0-based
  uint32_t frequency;  // the highest it flickers at, hundredths of a hertz
  uint32_t seen;       // what a viewer sees of it instead
};

// The segments that show light (their own pattern, or `chosen`) at a
// frequency the display cannot show, in order.
std::vector<UnseenSegment> SegmentsDisplayCannotShow(const Session& session, VisualMode chosen,
                                                     uint32_t refreshHz);
