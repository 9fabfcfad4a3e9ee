#include "sound/voices/VoicePhases.h"

#include <cmath>

#include "session_format/SessionSchedule.h"

namespace {

uint64_t Frames(const SessionSegment& segment) {
  return uint64_t{segment.blocks} * FramesPerVoiceBlock;
}

double Change(const VoiceSlide& slide) {
  return static_cast<double>(slide.last) - static_cast<double>(slide.first);
}

// A voice that follows the frequency turns by the block frequencies' sum
// over 400 (11025 / 4410000) in whole blocks, its half beat over 800: the
// sum reduced first, so that the turn is exact.
double FollowedTurns(const SessionSegment& segment, double scale, uint64_t blocks) {
  const uint64_t perTurn = scale == 0.5 ? 800 : 400;
  return ExactDouble(SegmentFrequencySum(segment, blocks) % perTurn) / ExactDouble(perTurn);
}

}  // namespace

double ExactDouble(uint64_t value) {
  const double high = static_cast<int32_t>(value >> 32);
  const uint32_t low = static_cast<uint32_t>(value);
  // The low half's top bit apart, so that each part converts as a signed
  // 32-bit number.
  const double lowTop = (low & 0x80000000u) ? 2147483648.0 : 0.0;
  return high * 4294967296.0 + (lowTop + static_cast<int32_t>(low & 0x7FFFFFFFu));
}

double TurnOf(double turns) { return turns - std::floor(turns); }

double SlideAt(double first, double change, uint64_t frame, uint64_t frames) {
  return first + change * (ExactDouble(frame) / ExactDouble(frames - 1));
}

double TurnsBefore(double first, double change, uint64_t frame, uint64_t frames) {
  const double k = ExactDouble(frame);
  return (first * k + change * (k * (k - 1.0) * 0.5) / ExactDouble(frames - 1)) * TurnsPerHundredth;
}

SecondSlide SecondOf(const Voice& voice) {
  const double first = voice.beat.first, change = Change(voice.beat);
  if (voice.kind == VoiceKind::Binaural || voice.kind == VoiceKind::Monaural)
    return {first * 0.5, change * 0.5, 0.5};
  if (voice.kind == VoiceKind::Isochronic || voice.kind == VoiceKind::Spin)
    return {first, change, 1.0};
  return {0.0, 0.0, 0.0};
}

bool CarrierTurns(VoiceKind kind) {
  return kind == VoiceKind::Binaural || kind == VoiceKind::Monaural ||
         kind == VoiceKind::Isochronic || kind == VoiceKind::Tone;
}

std::vector<std::vector<VoicePhases>> SessionVoicePhases(const Session& session) {
  std::vector<std::vector<VoicePhases>> phases;
  for (size_t s = 0; s < session.segments.size(); s++) {
    const SessionSegment& segment = session.segments[s];
    phases.emplace_back(segment.voices.size(), VoicePhases{0.0, 0.0});
    if (s == 0) continue;
    const SessionSegment& before = session.segments[s - 1];
    for (size_t v = 0; v < segment.voices.size() && v < before.voices.size(); v++)
      if (before.voices[v].kind == segment.voices[v].kind)
        phases[s][v] = BlockPhases(before, before.voices[v], phases[s - 1][v], before.blocks);
  }
  return phases;
}

VoicePhases BlockPhases(const SessionSegment& segment, const Voice& voice, const VoicePhases& start,
                        uint32_t block) {
  const uint64_t frame = uint64_t{block} * FramesPerVoiceBlock, frames = Frames(segment);
  const SecondSlide second = SecondOf(voice);
  const double secondTurns = voice.beatFollowsFrequency
                                 ? FollowedTurns(segment, second.scale, block)
                                 : TurnsBefore(second.first, second.change, frame, frames);
  const double carrierTurns =
      CarrierTurns(voice.kind)
          ? TurnsBefore(voice.carrier.first, Change(voice.carrier), frame, frames)
          : 0.0;
  return {TurnOf(start.carrier + carrierTurns), TurnOf(start.second + secondTurns)};
}
