#include "sound/voices/VoiceBells.h"

#include <algorithm>

#include "sound/voices/VoicePhases.h"
#include "sound/voices/VoiceWaves.h"

namespace {

// The frames of a second in hundredths of a hertz: a bell's phase after i
// frames is (i x carrier mod TurnHundredths) / TurnHundredths of a turn,
// found in whole numbers.
const uint64_t TurnHundredths = 4410000;
const double Turn = 4410000.0;
// The longest ring, of a bell at 100 per cent: no bell struck longer ago
// than this before a block sounds in it.
const uint64_t LongestRing = [] {
  uint64_t steps = 0;
  while (BellLevelAfter(MaximumVoiceLevel, steps) > 0) steps++;
  return steps * BellStepFrames;
}();

uint64_t RingFrames(int32_t level) {
  uint64_t steps = 0;
  while (BellLevelAfter(level, steps) > 0) steps++;
  return steps * BellStepFrames;
}

// One bell's frames from `from` (its own count, from its strike) into
// sums, `count` of them.
void AddRing(const BellStrike& bell, uint64_t from, uint32_t count, int32_t* sums) {
  const uint32_t carrier = static_cast<uint32_t>(bell.carrier);
  uint32_t turn = static_cast<uint32_t>(from * carrier % TurnHundredths);
  uint32_t untilStep = BellStepFrames - static_cast<uint32_t>(from % BellStepFrames);
  int32_t level = BellLevelAfter(bell.level, from / BellStepFrames);
  for (uint32_t i = 0; i < count; i++) {
    if (untilStep-- == 0) {
      level = BellLevelAfter(level, 1);
      untilStep = BellStepFrames - 1;
    }
    const double amplitude = 32767.0 * level / 10000.0;
    const double phase = static_cast<int32_t>(turn) / Turn;
    const int32_t sample = static_cast<int32_t>(amplitude * TurnSine(phase));
    sums[2 * i] += sample;
    sums[2 * i + 1] += sample;
    turn += carrier;
    if (turn >= TurnHundredths) turn -= static_cast<uint32_t>(TurnHundredths);
  }
}

}  // namespace

int32_t BellLevelAfter(int32_t level, uint64_t steps) {
  for (uint64_t n = 0; n < steps && level > 0; n++) level = level - level / 12 - 1;
  return level < 0 ? 0 : level;
}

std::vector<BellStrike> SessionBells(const Session& session) {
  std::vector<BellStrike> bells;
  uint64_t frame = 0;
  for (const SessionSegment& segment : session.segments) {
    for (const Voice& voice : segment.voices)
      if (voice.kind == VoiceKind::Bell)
        bells.push_back(BellStrike{frame, frame + RingFrames(voice.level.first),
                                   voice.carrier.first, voice.level.first});
    frame += uint64_t{segment.blocks} * FramesPerVoiceBlock;
  }
  return bells;
}

bool BellsRing(const std::vector<BellStrike>& bells, uint64_t firstFrame) {
  const uint64_t end = firstFrame + FramesPerVoiceBlock;
  const uint64_t earliest = firstFrame > LongestRing ? firstFrame - LongestRing : 0;
  auto bell = std::lower_bound(bells.begin(), bells.end(), earliest,
                               [](const BellStrike& b, uint64_t at) { return b.frame < at; });
  for (; bell != bells.end() && bell->frame < end; ++bell)
    if (bell->silent > firstFrame) return true;
  return false;
}

void AddBells(const std::vector<BellStrike>& bells, uint64_t firstFrame, int32_t* sums) {
  const uint64_t end = firstFrame + FramesPerVoiceBlock;
  const uint64_t earliest = firstFrame > LongestRing ? firstFrame - LongestRing : 0;
  auto bell = std::lower_bound(bells.begin(), bells.end(), earliest,
                               [](const BellStrike& b, uint64_t at) { return b.frame < at; });
  for (; bell != bells.end() && bell->frame < end; ++bell) {
    if (bell->silent <= firstFrame) continue;
    const uint64_t from = std::max(bell->frame, firstFrame);
    const uint64_t until = std::min(bell->silent, end);
    AddRing(*bell, from - bell->frame, static_cast<uint32_t>(until - from),
            sums + 2 * (from - firstFrame));
  }
}
