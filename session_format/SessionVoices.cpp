#include "session_format/SessionVoices.h"

#include "session_format/SessionFields.h"
#include "session_format/TextFields.h"

namespace {

// What each kind takes after its word: its values in order, how many of
// them may be left out at the end (a shape), and the word for its values.
struct KindForm {
  const char* word;
  VoiceKind kind;
  size_t least, most;
};
const KindForm Kinds[] = {{"binaural", VoiceKind::Binaural, 3, 3},
                          {"monaural", VoiceKind::Monaural, 3, 3},
                          {"isochronic", VoiceKind::Isochronic, 3, 4},
                          {"tone", VoiceKind::Tone, 2, 3},
                          {"noise", VoiceKind::Noise, 2, 2},
                          {"music", VoiceKind::Music, 1, 1},
                          {"spin", VoiceKind::Spin, 3, 4},
                          {"bell", VoiceKind::Bell, 2, 2}};

const char* const ShapeWords[] = {"sine", "square", "triangle", "saw", "smooth"};

const KindForm* FormOf(const std::string& word) {
  for (const KindForm& form : Kinds)
    if (word == form.word) return &form;
  return nullptr;
}

struct Range {
  int64_t lowest, highest;
  bool negative;  // a minus sign may be written
};

Range RangeOf(VoiceValue value) {
  if (value == VoiceValue::Carrier) return {0, MaximumCarrier, false};
  if (value == VoiceValue::Beat) return {-MaximumBeat, MaximumBeat, true};
  if (value == VoiceValue::Rate) return {MinimumRate, MaximumRate, false};
  if (value == VoiceValue::Width) return {-MaximumSpinWidth, MaximumSpinWidth, true};
  return {0, MaximumVoiceLevel, false};
}

// Hundredths with a sign where the value may have one; hertz and per cents
// alike have at most two decimals.
bool ParseNumber(const std::string& text, bool negative, int64_t& hundredths) {
  const bool minus = negative && !text.empty() && text[0] == '-';
  uint64_t magnitude = 0;
  if (!ParseHertz(text.substr(minus ? 1 : 0), magnitude)) return false;
  hundredths = minus ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

bool InRange(VoiceValue value, int64_t number, const std::string& written, SessionError& error) {
  const Range range = RangeOf(value);
  if (number >= range.lowest && number <= range.highest) return true;
  return Problem(error, SessionProblem::VoiceValueRange, VoiceValueWord(value), Printable(written));
}

bool ParseColour(const std::string& field, Voice& voice, SessionError& error) {
  voice.colour = NoiseColour::None;
  if (field == "white") voice.colour = NoiseColour::White;
  if (field == "pink") voice.colour = NoiseColour::Pink;
  if (field == "brown") voice.colour = NoiseColour::Brown;
  if (voice.colour != NoiseColour::None) return true;
  return Problem(error, SessionProblem::NoiseColourForm, VoiceKindWord(voice.kind),
                 Printable(field));
}

// WIDTH BEAT LEVEL [COLOUR]: pink noise unless another colour is written.
bool ParseSpin(const std::string* values, size_t count, Voice& voice, SessionError& error) {
  bool ignored = false;
  voice.colour = NoiseColour::Pink;
  return ParseVoiceValue(VoiceValue::Width, values[0], voice.carrier, ignored, error) &&
         ParseVoiceValue(VoiceValue::Beat, values[1], voice.beat, voice.beatFollowsFrequency,
                         error) &&
         ParseVoiceValue(VoiceValue::Level, values[2], voice.level, ignored, error) &&
         (count == 3 || ParseColour(values[3], voice, error));
}

// CARRIER LEVEL: a bell is struck once, at one pitch and level.
bool ParseBell(const std::string* values, Voice& voice, SessionError& error) {
  bool ignored = false;
  if (!ParseVoiceValue(VoiceValue::Carrier, values[0], voice.carrier, ignored, error) ||
      !ParseVoiceValue(VoiceValue::Level, values[1], voice.level, ignored, error))
    return false;
  const bool carrierSlides = voice.carrier.first != voice.carrier.last;
  if (carrierSlides || voice.level.first != voice.level.last)
    return Problem(error, SessionProblem::BellSlides, carrierSlides ? "carrier" : "level",
                   Printable(values[carrierSlides ? 0 : 1]));
  return true;
}

// The values after the kind's word, in the order the kind writes them.
bool ParseValues(VoiceKind kind, const std::string* values, size_t count, Voice& voice,
                 SessionError& error) {
  bool ignored = false;
  if (kind == VoiceKind::Music)
    return ParseVoiceValue(VoiceValue::Level, values[0], voice.level, ignored, error);
  if (kind == VoiceKind::Noise)
    return ParseColour(values[0], voice, error) &&
           ParseVoiceValue(VoiceValue::Level, values[1], voice.level, ignored, error);
  if (kind == VoiceKind::Spin) return ParseSpin(values, count, voice, error);
  if (kind == VoiceKind::Bell) return ParseBell(values, voice, error);
  if (!ParseVoiceValue(VoiceValue::Carrier, values[0], voice.carrier, ignored, error)) return false;
  size_t next = 1;
  if (kind != VoiceKind::Tone &&
      !ParseVoiceValue(kind == VoiceKind::Isochronic ? VoiceValue::Rate : VoiceValue::Beat,
                       values[next++], voice.beat, voice.beatFollowsFrequency, error))
    return false;
  if (!ParseVoiceValue(VoiceValue::Level, values[next++], voice.level, ignored, error))
    return false;
  return next == count || ParseVoiceShape(kind, values[next], voice.shape, error);
}

}  // namespace

bool IsVoiceKindWord(const std::string& field) { return FormOf(field) != nullptr; }

const char* VoiceKindWord(VoiceKind kind) { return Kinds[static_cast<int>(kind)].word; }

const char* VoiceShapeWord(VoiceShape shape) { return ShapeWords[static_cast<int>(shape)]; }

size_t VoiceKindCount() { return sizeof Kinds / sizeof Kinds[0]; }

size_t VoiceShapeCount() { return sizeof ShapeWords / sizeof ShapeWords[0]; }

size_t LeastVoiceValues(VoiceKind kind) { return Kinds[static_cast<int>(kind)].least; }

const char* VoiceValueWord(VoiceValue value) {
  const char* const words[] = {"carrier", "beat", "rate", "level", "width"};
  return words[static_cast<int>(value)];
}

bool ParseVoiceValue(VoiceValue value, const std::string& field, VoiceSlide& slide,
                     bool& followsFrequency, SessionError& error) {
  const bool frequencyWord = value == VoiceValue::Beat || value == VoiceValue::Rate;
  followsFrequency = frequencyWord && field == "f";
  if (followsFrequency) {
    slide = VoiceSlide{0, 0};
    return true;
  }
  const Range range = RangeOf(value);
  const char* word = VoiceValueWord(value);
  const size_t dots = field.find("..");
  int64_t first = 0, last = 0;
  if (dots == std::string::npos) {
    if (!ParseNumber(field, range.negative, first))
      return Problem(error, SessionProblem::VoiceValueForm, word, Printable(field));
    if (!InRange(value, first, field, error)) return false;
    slide = VoiceSlide{static_cast<int32_t>(first), static_cast<int32_t>(first)};
    return true;
  }
  const std::string from = field.substr(0, dots), to = field.substr(dots + 2);
  if (!ParseNumber(from, range.negative, first) || !ParseNumber(to, range.negative, last))
    return Problem(error, SessionProblem::VoiceSlideForm, word, Printable(field));
  if (!InRange(value, first, from, error) || !InRange(value, last, to, error)) return false;
  slide = VoiceSlide{static_cast<int32_t>(first), static_cast<int32_t>(last)};
  return true;
}

bool ParseVoiceShape(VoiceKind kind, const std::string& field, VoiceShape& shape,
                     SessionError& error) {
  // A tone's wave has no smooth: that is a gate's shape only.
  const size_t shapes = kind == VoiceKind::Isochronic ? 5 : 4;
  for (size_t i = 0; i < shapes; i++) {
    if (field != ShapeWords[i]) continue;
    shape = static_cast<VoiceShape>(i);
    return true;
  }
  return Problem(error, SessionProblem::VoiceShapeForm, VoiceKindWord(kind), Printable(field));
}

bool ParseVoice(const std::vector<std::string>& fields, size_t count, Voice& voice,
                SessionError& error) {
  const KindForm& form = *FormOf(fields[0]);
  voice = Voice{form.kind, {0, 0}, {0, 0}, false, {0, 0}, VoiceShape::Sine, NoiseColour::None, 0};
  if (count - 1 < form.least || count - 1 > form.most)
    return Problem(error, SessionProblem::VoiceFieldCount, form.word, "", count - 1);
  return ParseValues(form.kind, &fields[1], count - 1, voice, error);
}
