#include "sound/voices/VoiceSynthesis.h"

#include "session_format/SessionSchedule.h"
#include "sound/voices/VoiceWaves.h"

namespace {

const double FullScale = 32767.0;
const double WholeLevel = 10000.0;  // hundredths of a per cent

// One oscillator over a block: its phase, and its value (hundredths of a
// hertz) as a slide.
struct Oscillator {
  double turn;
  double first;
  double change;
  bool slides;
};

double ValueAt(const Oscillator& o, double u) {
  return o.slides ? o.first + o.change * u : o.first;
}

bool Slides(const VoiceSlide& slide) { return slide.first != slide.last; }

// A block is made a stretch at a time: first the phases and amplitudes of
// its frames one after the other, then their samples, each frame on its own
// (which the compiler may do several at once).
constexpr uint32_t Stretch = 512;

struct StretchFrames {
  double carrier[Stretch];
  double second[Stretch];
  double amplitude[Stretch];
};

// Adds the same sample to both ears of each frame.
template <typename Sample>
void AddToBoth(uint32_t count, int32_t* sums, Sample sample) {
  for (uint32_t i = 0; i < count; i++) {
    const int32_t s = sample(i);
    sums[2 * i] += s;
    sums[2 * i + 1] += s;
  }
}

// The pulses of an isochronic voice: trunc(A x sine x gate).
template <typename Gate>
void AddPulses(const StretchFrames& f, uint32_t count, int32_t* sums, Gate gate) {
  AddToBoth(count, sums, [&](uint32_t i) {
    return static_cast<int32_t>(f.amplitude[i] * TurnSine(f.carrier[i]) * gate(f.second[i]));
  });
}

// A tone: trunc(A x wave).
template <typename Wave>
void AddTone(const StretchFrames& f, uint32_t count, int32_t* sums, Wave wave) {
  AddToBoth(count, sums,
            [&](uint32_t i) { return static_cast<int32_t>(f.amplitude[i] * wave(f.carrier[i])); });
}

void AddEars(const StretchFrames& f, uint32_t count, bool monaural, int32_t* sums) {
  for (uint32_t i = 0; i < count; i++) {
    // The ears: the carrier less and plus half the beat.
    const double less = f.carrier[i] - f.second[i], more = f.carrier[i] + f.second[i];
    const double left = TurnSine(less < 0.0 ? less + 1.0 : less);
    const double right = TurnSine(more >= 1.0 ? more - 1.0 : more);
    const double a = f.amplitude[i];
    const int32_t both = static_cast<int32_t>(a * (left + right) * 0.5);
    sums[2 * i] += monaural ? both : static_cast<int32_t>(a * left);
    sums[2 * i + 1] += monaural ? both : static_cast<int32_t>(a * right);
  }
}

// A loop for each kind and shape, so that none decides anything per frame.
void AddSamples(const Voice& voice, const StretchFrames& f, uint32_t count, int32_t* sums) {
  const VoiceShape shape = voice.shape;
  if (voice.kind == VoiceKind::Isochronic) {
    if (shape == VoiceShape::Sine) AddPulses(f, count, sums, [](double t) { return SineGate(t); });
    if (shape == VoiceShape::Square)
      AddPulses(f, count, sums, [](double t) { return SquareGate(t); });
    if (shape == VoiceShape::Triangle)
      AddPulses(f, count, sums, [](double t) { return TriangleGate(t); });
    if (shape == VoiceShape::Saw) AddPulses(f, count, sums, [](double t) { return SawGate(t); });
    if (shape == VoiceShape::Smooth)
      AddPulses(f, count, sums, [](double t) { return SmoothGate(t); });
  } else if (voice.kind == VoiceKind::Tone) {
    if (shape == VoiceShape::Sine) AddTone(f, count, sums, [](double t) { return TurnSine(t); });
    if (shape == VoiceShape::Square)
      AddTone(f, count, sums, [](double t) { return SquareWave(t); });
    if (shape == VoiceShape::Triangle)
      AddTone(f, count, sums, [](double t) { return TriangleWave(t); });
    if (shape == VoiceShape::Saw) AddTone(f, count, sums, [](double t) { return SawWave(t); });
  } else {
    AddEars(f, count, voice.kind == VoiceKind::Monaural, sums);
  }
}

void AddTones(const SessionSegment& segment, const Voice& voice, const VoicePhases& start,
              uint32_t block, int32_t* sums) {
  const VoicePhases at = BlockPhases(segment, voice, start, block);
  const SecondSlide second = SecondOf(voice);
  Oscillator carrier{at.carrier, static_cast<double>(voice.carrier.first),
                     static_cast<double>(voice.carrier.last) - voice.carrier.first,
                     Slides(voice.carrier)};
  Oscillator pulse{at.second, second.first, second.change, Slides(voice.beat)};
  if (voice.beatFollowsFrequency)
    pulse = Oscillator{at.second, SegmentFrequency(segment, block) * second.scale, 0.0, false};
  const Oscillator level{0.0, static_cast<double>(voice.level.first),
                         static_cast<double>(voice.level.last) - voice.level.first,
                         Slides(voice.level)};
  const bool slides = carrier.slides || pulse.slides || level.slides;
  const uint64_t first = uint64_t{block} * FramesPerVoiceBlock;
  const double last = ExactDouble(uint64_t{segment.blocks} * FramesPerVoiceBlock - 1);
  const double firstFrame = ExactDouble(first);
  const double steadyAmplitude = FullScale * level.first / WholeLevel;
  StretchFrames frames;
  for (uint32_t done = 0; done < FramesPerVoiceBlock; done += Stretch) {
    const uint32_t count =
        FramesPerVoiceBlock - done < Stretch ? FramesPerVoiceBlock - done : Stretch;
    for (uint32_t i = 0; i < count; i++) {
      const double u = slides ? (firstFrame + static_cast<int32_t>(done + i)) / last : 0.0;
      frames.carrier[i] = carrier.turn;
      frames.second[i] = pulse.turn;
      frames.amplitude[i] =
          level.slides ? FullScale * ValueAt(level, u) / WholeLevel : steadyAmplitude;
      carrier.turn = NextTurn(carrier.turn, ValueAt(carrier, u) * TurnsPerHundredth);
      pulse.turn = NextTurn(pulse.turn, ValueAt(pulse, u) * TurnsPerHundredth);
    }
    AddSamples(voice, frames, count, sums + 2 * done);
  }
}

int64_t ValueAtBlock(const VoiceSlide& slide, uint64_t frame, uint64_t frames) {
  const int64_t change = static_cast<int64_t>(slide.last) - slide.first;
  return slide.first + change * static_cast<int64_t>(frame) / static_cast<int64_t>(frames - 1);
}

}  // namespace

void AddVoiceTones(const SessionSegment& segment, const std::vector<VoicePhases>& starts,
                   uint32_t block, int32_t* sums) {
  for (size_t v = 0; v < segment.voices.size(); v++)
    if (CarrierTurns(segment.voices[v].kind))
      AddTones(segment, segment.voices[v], starts[v], block, sums);
}

double VoiceLevelAt(const Voice& voice, uint64_t frame, const SessionSegment& segment) {
  if (!Slides(voice.level)) return voice.level.first;
  return SlideAt(voice.level.first, static_cast<double>(voice.level.last) - voice.level.first,
                 frame, uint64_t{segment.blocks} * FramesPerVoiceBlock);
}

int32_t LevelledVoiceSample(int16_t sample, double level) {
  return static_cast<int32_t>(sample * level / WholeLevel);
}

VoiceValues VoiceValuesAtBlock(const SessionSegment& segment, const Voice& voice, uint32_t block) {
  const uint64_t frame = uint64_t{block} * FramesPerVoiceBlock;
  const uint64_t frames = uint64_t{segment.blocks} * FramesPerVoiceBlock;
  const int64_t beat = voice.beatFollowsFrequency ? SegmentFrequency(segment, block)
                                                  : ValueAtBlock(voice.beat, frame, frames);
  return {ValueAtBlock(voice.carrier, frame, frames), beat,
          ValueAtBlock(voice.level, frame, frames)};
}
