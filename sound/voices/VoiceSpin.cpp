#include "sound/voices/VoiceSpin.h"

#include "session_format/SessionSchedule.h"
#include "sound/voices/VoiceSynthesis.h"
#include "sound/voices/VoiceWaves.h"

namespace {

// Frames a microsecond in hundredths makes: 44100 / 100000000, applied as
// x 441 / 1000000 so that every build rounds the same way.
const double FramesPerWidth = 441.0;
const double WidthScale = 1000000.0;

struct Slide {
  double first, change;
};

Slide SlideOf(const VoiceSlide& slide) {
  return {static_cast<double>(slide.first),
          static_cast<double>(slide.last) - static_cast<double>(slide.first)};
}

double At(const Slide& slide, double u) { return slide.first + slide.change * u; }

// The spin's offset: trunc(width x sin x 441 / 1000000) frames, within
// -SpinCentre..SpinCentre.
int32_t Offset(double width, double sine) {
  const int32_t offset = static_cast<int32_t>(width * sine * FramesPerWidth / WidthScale);
  return offset > SpinCentre ? SpinCentre : offset < -SpinCentre ? -SpinCentre : offset;
}

}  // namespace

void AddSpin(const SessionSegment& segment, const Voice& voice, const VoicePhases& start,
             uint32_t block, const int16_t* noise, size_t stride, int32_t* sums) {
  const VoicePhases at = BlockPhases(segment, voice, start, block);
  const SecondSlide second = SecondOf(voice);
  Slide rate{second.first, second.change};
  if (voice.beatFollowsFrequency) rate = Slide{SegmentFrequency(segment, block) * 1.0, 0.0};
  const Slide width = SlideOf(voice.carrier), level = SlideOf(voice.level);
  const double firstFrame = ExactDouble(uint64_t{block} * FramesPerVoiceBlock);
  const double last = ExactDouble(uint64_t{segment.blocks} * FramesPerVoiceBlock - 1);
  double turn = at.second;
  for (uint32_t i = 0; i < FramesPerVoiceBlock; i++) {
    const double u = (firstFrame + static_cast<int32_t>(i)) / last;
    const int32_t offset = Offset(At(width, u), TurnSine(turn));
    const int32_t here = static_cast<int32_t>(i) - SpinCentre;
    const double l = At(level, u);
    // The left ear hears the noise from offset frames nearer now, the right
    // from offset frames further back.
    sums[2 * i] += LevelledVoiceSample(noise[(here + offset) * static_cast<ptrdiff_t>(stride)], l);
    sums[2 * i + 1] +=
        LevelledVoiceSample(noise[(here - offset) * static_cast<ptrdiff_t>(stride)], l);
    turn = NextTurn(turn, At(rate, u) * TurnsPerHundredth);
  }
}
