#include "visual/display_rate/DisplaySampling.h"

#include <algorithm>

#include "visual/Patterns.h"

namespace {

// The pattern state that the visual tick keeps for a strobe, from Start on.
struct StrobeReplay {
  VisualMode strobe;
  uint32_t frequency;
  uint32_t frameCounter;
  double strobeValue;
  int8_t strobeFlag;
};

// Draws the next tick's frame as the visual tick does; whether it is light.
bool NextFrameIsLight(StrobeReplay& replay) {
  bool light;
  if (replay.strobe == VisualMode::SmoothStrobe) {
    light = SmoothStrobeGrey(replay.frameCounter, SmoothStrobeStep(replay.frequency)) >= LightGrey;
  } else {
    replay.strobeValue =
        AccumulateStrobePhase(replay.strobeValue, DiscreteStrobeHalfPeriod(replay.frequency));
    light = StrobeColour(replay.strobeFlag) == White;
    ToggleStrobeAtHalfPeriod(replay.strobeValue, replay.strobeFlag);
  }
  replay.frameCounter++;
  return light;
}

// Flashes and phases of a sequence of light and dark samples.
struct FlashCount {
  bool started;
  bool light;
  bool inFirstRun;
  uint64_t run;
  uint64_t flashes;
  uint64_t firstFlash;
  uint64_t lastFlash;
  uint64_t shortestRun;
  uint64_t longestRun;
};

void CountSample(FlashCount& count, bool light, uint64_t index) {
  if (count.started && light == count.light) {
    count.run++;
    return;
  }
  if (count.started) {
    if (!count.inFirstRun) {
      count.shortestRun = std::min(count.shortestRun, count.run);
      count.longestRun = std::max(count.longestRun, count.run);
    }
    count.inFirstRun = false;
    if (light) {
      if (count.flashes == 0) count.firstFlash = index;
      count.lastFlash = index;
      count.flashes++;
    }
  }
  count.started = true;
  count.light = light;
  count.run = 1;
}

FlashCount NewFlashCount() {
  FlashCount count = {};
  count.inFirstRun = true;
  count.shortestRun = UINT64_MAX;
  return count;
}

double FlashRate(const FlashCount& count, double samplesPerSecond) {
  if (count.flashes < 2) return 0.0;
  return (count.flashes - 1) * samplesPerSecond / static_cast<double>(count.lastFlash - count.firstFlash);
}

}  // namespace

SeenStrobe SeeStrobe(VisualMode strobe, uint32_t frequency, uint32_t refreshHz, uint32_t seconds) {
  StrobeReplay replay = {strobe, frequency, 0, 0.0, 1};
  FlashCount drawn = NewFlashCount();
  FlashCount shown = NewFlashCount();
  bool latestLight = false;
  uint64_t ticksDrawn = 0;
  const uint64_t refreshes = static_cast<uint64_t>(seconds) * refreshHz;
  for (uint64_t refresh = 1; refresh <= refreshes; refresh++) {
    const uint64_t ticksDue = refresh * StrobeTicksPerSecond / refreshHz;
    for (; ticksDrawn < ticksDue; ticksDrawn++) {
      latestLight = NextFrameIsLight(replay);
      CountSample(drawn, latestLight, ticksDrawn);
    }
    CountSample(shown, latestLight, refresh);
  }
  SeenStrobe seen;
  seen.drawnHz = FlashRate(drawn, StrobeTicksPerSecond);
  seen.shownHz = FlashRate(shown, refreshHz);
  const bool wholePhase = shown.longestRun > 0;
  seen.shortestPhase = wholePhase ? static_cast<int>(shown.shortestRun) : 0;
  seen.longestPhase = wholePhase ? static_cast<int>(shown.longestRun) : 0;
  return seen;
}
