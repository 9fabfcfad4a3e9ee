#include "session_format/SessionLines.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "session_format/SessionFields.h"
#include "session_format/SessionVoices.h"
#include "session_format/SessionWords.h"
#include "session_format/TextFields.h"

namespace {

const char* const NoiseNames[] = {"", "white", "pink", "brown"};
const char* const ColourNames[] = {"white", "red", "green", "blue", "amber", "violet"};

std::string Number(uint64_t value) { return std::to_string(value); }

// A word and its values, checked by the reader's handling of segment words.
bool ParseWord(const std::string& word, const std::string& values, SessionSegment& segment,
               SessionError& error) {
  size_t count = 0;
  std::vector<std::string> fields = SplitFields(values, KeptFields, count);
  fields.insert(fields.begin(), word);
  return ParseSegmentWords(fields, 0, segment, error);
}

// A spin's carrier field is its width.
bool TakesCarrier(VoiceKind kind) { return kind != VoiceKind::Noise && kind != VoiceKind::Music; }

bool TakesBeat(VoiceKind kind) {
  return kind == VoiceKind::Binaural || kind == VoiceKind::Monaural ||
         kind == VoiceKind::Isochronic || kind == VoiceKind::Spin;
}

bool TakesColour(VoiceKind kind) { return kind == VoiceKind::Noise || kind == VoiceKind::Spin; }

bool TakesShape(VoiceKind kind) { return kind == VoiceKind::Isochronic || kind == VoiceKind::Tone; }

VoiceValue BeatValue(VoiceKind kind) {
  return kind == VoiceKind::Isochronic ? VoiceValue::Rate : VoiceValue::Beat;
}

std::string BeatText(const Voice& voice) {
  return voice.beatFollowsFrequency ? "f" : VoiceSlideText(voice.beat);
}

// The voice as another kind: what both take is kept, what the new kind
// takes alone is NewVoice's (pink for a noise), what it does not take is
// cleared, as the reader leaves it.
bool ChangeKind(const std::string& text, Voice& voice, SessionError& error) {
  size_t index = 0;
  while (index < VoiceKindCount() && text != VoiceKindWord(static_cast<VoiceKind>(index))) index++;
  if (index == VoiceKindCount())
    return Problem(error, SessionProblem::VoiceKindUnknown, "", OneLine(text));
  const VoiceKind kind = static_cast<VoiceKind>(index);
  Voice changed = NewVoice();
  changed.kind = kind;
  changed.level = voice.level;
  changed.line = voice.line;
  // A width is no carrier, nor a carrier a width.
  const bool spins = kind == VoiceKind::Spin, spun = voice.kind == VoiceKind::Spin;
  if (!TakesCarrier(kind)) changed.carrier = VoiceSlide{0, 0};
  if (spins) changed.carrier = VoiceSlide{30000, 30000};
  if (TakesCarrier(kind) && TakesCarrier(voice.kind) && spins == spun)
    changed.carrier = voice.carrier;
  // A beat below 0.10 Hz is no isochronic rate.
  const bool beatFits = kind != VoiceKind::Isochronic || voice.beatFollowsFrequency ||
                        std::min(voice.beat.first, voice.beat.last) >= MinimumRate;
  if (!TakesBeat(kind)) {
    changed.beat = VoiceSlide{0, 0};
    changed.beatFollowsFrequency = false;
  }
  if (TakesBeat(kind) && TakesBeat(voice.kind) && beatFits) {
    changed.beat = voice.beat;
    changed.beatFollowsFrequency = voice.beatFollowsFrequency;
  }
  const bool shapeFits = kind == VoiceKind::Isochronic || voice.shape != VoiceShape::Smooth;
  if (TakesShape(kind) && TakesShape(voice.kind) && shapeFits) changed.shape = voice.shape;
  if (TakesColour(kind))
    changed.colour = TakesColour(voice.kind) ? voice.colour : NoiseColour::Pink;
  // A bell rings at one pitch and level.
  if (kind == VoiceKind::Bell) {
    changed.carrier.last = changed.carrier.first;
    changed.level.last = changed.level.first;
  }
  voice = changed;
  return true;
}

// A bell's values, as the reader takes them: none slides.
bool BellSteady(const Voice& voice, SessionError& error) {
  if (voice.kind != VoiceKind::Bell) return true;
  const std::vector<std::string> fields = {"bell", VoiceSlideText(voice.carrier),
                                           VoiceSlideText(voice.level)};
  Voice read;
  return ParseVoice(fields, fields.size(), read, error);
}

// A value that the voice's kind does not take: none is taken, and text for
// one is a value too many.
bool NotTaken(const Voice& voice, const std::string& text, SessionError& error) {
  return text.empty() || Problem(error, SessionProblem::VoiceFieldCount, VoiceKindWord(voice.kind),
                                 "", LeastVoiceValues(voice.kind) + 1);
}

bool ParseVoiceInto(VoiceField field, const std::string& text, Voice& voice, SessionError& error) {
  bool ignored = false;
  switch (field) {
    case VoiceField::Kind:
      return ChangeKind(text, voice, error);
    case VoiceField::Carrier:
      if (!TakesCarrier(voice.kind)) return NotTaken(voice, text, error);
      return ParseVoiceValue(
                 voice.kind == VoiceKind::Spin ? VoiceValue::Width : VoiceValue::Carrier, text,
                 voice.carrier, ignored, error) &&
             BellSteady(voice, error);
    case VoiceField::Beat:
      if (!TakesBeat(voice.kind)) return NotTaken(voice, text, error);
      return ParseVoiceValue(BeatValue(voice.kind), text, voice.beat, voice.beatFollowsFrequency,
                             error);
    case VoiceField::Level:
      return ParseVoiceValue(VoiceValue::Level, text, voice.level, ignored, error) &&
             BellSteady(voice, error);
    case VoiceField::Shape:
      if (!TakesShape(voice.kind)) return NotTaken(voice, text, error);
      // No shape is the reader's sine.
      return text.empty() ? (voice.shape = VoiceShape::Sine, true)
                          : ParseVoiceShape(voice.kind, text, voice.shape, error);
    case VoiceField::Colour: {
      if (!TakesColour(voice.kind)) return NotTaken(voice, text, error);
      const std::vector<std::string> fields = {"noise", text, "0"};
      Voice read;
      if (!ParseVoice(fields, fields.size(), read, error)) return false;
      voice.colour = read.colour;
      return true;
    }
  }
  return false;
}

bool ParseInto(SegmentField field, const std::string& text, SessionSegment& segment,
               SessionError& error) {
  switch (field) {
    case SegmentField::Duration:
      return ParseDurationField(text, segment.blocks, error);
    case SegmentField::Mode:
      return ParseModeField(text, segment.mode, error);
    case SegmentField::From: {
      const bool slides = segment.lastFrequency != segment.firstFrequency;
      if (!ParseFrequencyField(text, segment.firstFrequency, error)) return false;
      if (!slides) segment.lastFrequency = segment.firstFrequency;
      return true;
    }
    case SegmentField::To:
      if (text.empty()) segment.lastFrequency = segment.firstFrequency;
      return text.empty() || ParseFrequencyField(text, segment.lastFrequency, error);
    case SegmentField::Volume:
      return ParseLevelField("volume", text, segment.volume, error);
    case SegmentField::Noise:
      segment.noise = NoiseColour::None;
      segment.noiseLevel = 0;
      return text.empty() || ParseWord("noise", text, segment, error);
    case SegmentField::Light:
      segment.light = ChosenPattern;
      return text.empty() || ParseWord("light", text, segment, error);
    case SegmentField::Brightness:
      return ParseLevelField("brightness", text, segment.brightness, error);
    case SegmentField::Colour:
      return ParseWord("colour", text, segment, error);
  }
  return false;
}

}  // namespace

std::string DurationText(uint32_t blocks) {
  if (blocks % BlocksPerMinute == 0) return Number(blocks / BlocksPerMinute) + "m";
  const char* const quarters[] = {"", ".25", ".5", ".75"};
  return Number(blocks / BlocksPerSecond) + quarters[blocks % BlocksPerSecond] + "s";
}

std::string FrequencyText(uint32_t hundredths) {
  const uint32_t cents = hundredths % 100;
  std::string text = Number(hundredths / 100);
  if (cents == 0) return text;
  text += (cents < 10 ? ".0" : ".") + Number(cents);
  return cents % 10 == 0 ? text.substr(0, text.size() - 1) : text;
}

const char* NoiseWord(NoiseColour noise) { return NoiseNames[static_cast<int>(noise)]; }

std::string ColourText(uint32_t colour) {
  for (const char* name : ColourNames) {
    uint32_t named = 0;
    if (NamedColour(name, named) && named == colour) return name;
  }
  // A COLORREF holds red in its low byte; people write it first.
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

std::string SegmentLine(const SessionSegment& s) {
  std::string line = DurationText(s.blocks) + " " + Number(static_cast<uint32_t>(s.mode)) + " " +
                     FrequencyText(s.firstFrequency);
  if (s.lastFrequency != s.firstFrequency) line += " " + FrequencyText(s.lastFrequency);
  if (s.volume != FullLevel) line += " volume " + Number(s.volume);
  if (s.noise != NoiseColour::None) line += " noise " + SegmentFieldText(s, SegmentField::Noise);
  if (s.light != ChosenPattern) line += " light " + Number(static_cast<uint32_t>(s.light));
  if (s.brightness != FullLevel) line += " brightness " + Number(s.brightness);
  if (s.colour != WhiteColour) line += " colour " + ColourText(s.colour);
  return line;
}

std::string VoiceSlideText(const VoiceSlide& slide) {
  auto number = [](int32_t value) {
    return (value < 0 ? "-" : "") +
           FrequencyText(static_cast<uint32_t>(value < 0 ? -value : value));
  };
  if (slide.first == slide.last) return number(slide.first);
  return number(slide.first) + ".." + number(slide.last);
}

std::string VoiceLine(const Voice& voice) {
  std::string line = std::string("  ") + VoiceKindWord(voice.kind);
  // A noise's colour comes first; a spin's last, and only where it is not pink.
  const bool spin = voice.kind == VoiceKind::Spin;
  for (VoiceField field : {VoiceField::Colour, VoiceField::Carrier, VoiceField::Beat,
                           VoiceField::Level, VoiceField::Shape}) {
    const std::string text = VoiceFieldText(voice, field);
    if (!text.empty() && !(field == VoiceField::Shape && voice.shape == VoiceShape::Sine) &&
        !(spin && field == VoiceField::Colour))
      line += " " + text;
  }
  if (spin && voice.colour != NoiseColour::Pink) line += std::string(" ") + NoiseWord(voice.colour);
  return line;
}

std::string FadeLine(const std::string& directive, uint32_t blocks) {
  return directive + " " + DurationText(blocks);
}

std::string TitleLine(const std::string& language, const std::string& title) {
  return "title " + language + " " + title;
}

std::string MusicLine(const std::string& file, uint32_t level) {
  return "music " + file + " " + Number(level);
}

bool CheckWritableText(const std::string& word, const std::string& text, SessionError& error) {
  if (text.find_first_of("#\r\n") == std::string::npos) return true;
  return Problem(error, SessionProblem::TextNotWritable, word, OneLine(text));
}

std::string SegmentFieldText(const SessionSegment& s, SegmentField field) {
  switch (field) {
    case SegmentField::Duration:
      return DurationText(s.blocks);
    case SegmentField::Mode:
      return Number(static_cast<uint32_t>(s.mode));
    case SegmentField::From:
      return FrequencyText(s.firstFrequency);
    case SegmentField::To:
      return s.lastFrequency == s.firstFrequency ? "" : FrequencyText(s.lastFrequency);
    case SegmentField::Volume:
      return Number(s.volume);
    case SegmentField::Noise:
      if (s.noise == NoiseColour::None) return "";
      return NoiseWord(s.noise) + (" " + Number(s.noiseLevel));
    case SegmentField::Light:
      return s.light == ChosenPattern ? "" : Number(static_cast<uint32_t>(s.light));
    case SegmentField::Brightness:
      return Number(s.brightness);
    case SegmentField::Colour:
      return ColourText(s.colour);
  }
  return "";
}

bool ParseSegmentField(SegmentField field, const std::string& text, SessionSegment& segment,
                       SessionError& error) {
  SessionSegment changed = segment;
  error = SessionError{0, SessionProblem::None, "", "", 0, 0, "", ""};
  if (!ParseInto(field, Trimmed(text), changed, error)) return false;
  segment = changed;
  return true;
}

Voice NewVoice() {
  return Voice{VoiceKind::Binaural, {20000, 20000},    {0, 0}, true, {1500, 1500},
               VoiceShape::Sine,    NoiseColour::None, 0};
}

std::string VoiceFieldText(const Voice& voice, VoiceField field) {
  switch (field) {
    case VoiceField::Kind:
      return VoiceKindWord(voice.kind);
    case VoiceField::Carrier:
      return TakesCarrier(voice.kind) ? VoiceSlideText(voice.carrier) : "";
    case VoiceField::Beat:
      return TakesBeat(voice.kind) ? BeatText(voice) : "";
    case VoiceField::Level:
      return VoiceSlideText(voice.level);
    case VoiceField::Shape:
      return TakesShape(voice.kind) ? VoiceShapeWord(voice.shape) : "";
    case VoiceField::Colour:
      return TakesColour(voice.kind) ? NoiseWord(voice.colour) : "";
  }
  return "";
}

bool VoiceTakes(VoiceKind kind, VoiceField field) {
  switch (field) {
    case VoiceField::Carrier:
      return TakesCarrier(kind);
    case VoiceField::Beat:
      return TakesBeat(kind);
    case VoiceField::Shape:
      return TakesShape(kind);
    case VoiceField::Colour:
      return TakesColour(kind);
    case VoiceField::Kind:
    case VoiceField::Level:
      break;
  }
  return true;
}

std::vector<std::string> VoiceFieldChoices(VoiceKind kind, VoiceField field) {
  std::vector<std::string> words;
  if (field == VoiceField::Kind)
    for (size_t k = 0; k < VoiceKindCount(); k++)
      words.push_back(VoiceKindWord(static_cast<VoiceKind>(k)));
  // Each word offered is one the reader takes for this kind.
  Voice voice = NewVoice();
  voice.kind = kind;
  SessionError ignored;
  if (field == VoiceField::Shape && VoiceTakes(kind, field))
    for (size_t s = 0; s < VoiceShapeCount(); s++)
      if (ParseVoiceShape(kind, VoiceShapeWord(static_cast<VoiceShape>(s)), voice.shape, ignored))
        words.push_back(VoiceShapeWord(static_cast<VoiceShape>(s)));
  if (field == VoiceField::Colour && VoiceTakes(kind, field))
    for (NoiseColour c : {NoiseColour::White, NoiseColour::Pink, NoiseColour::Brown})
      words.push_back(NoiseWord(c));
  return words;
}

bool ParseVoiceField(VoiceField field, const std::string& text, Voice& voice, SessionError& error) {
  Voice changed = voice;
  error = SessionError{0, SessionProblem::None, "", "", 0, 0, "", ""};
  if (!ParseVoiceInto(field, Trimmed(text), changed, error)) return false;
  voice = changed;
  return true;
}
