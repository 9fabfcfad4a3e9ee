#include "session_format/SessionLines.h"

#include <cstdio>
#include <vector>

#include "session_format/SessionFields.h"
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
