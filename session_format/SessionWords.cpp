#include "session_format/SessionWords.h"

#include <cctype>

#include "session_format/SessionFields.h"
#include "session_format/TextFields.h"

namespace {

// The words a segment line may end with, each taken at most once.
const char* const SegmentWords[] = {"volume", "noise", "light", "brightness", "colour"};
constexpr size_t SegmentWordCount = sizeof SegmentWords / sizeof SegmentWords[0];

bool ParseNoiseColour(const std::string& field, NoiseColour& noise, SessionError& error) {
  if (field == "white") noise = NoiseColour::White;
  if (field == "pink") noise = NoiseColour::Pink;
  if (field == "brown") noise = NoiseColour::Brown;
  return noise != NoiseColour::None ||
         Problem(error, SessionProblem::NoiseColourForm, "noise", Printable(field));
}

bool ParsePattern(const std::string& field, int32_t& light, SessionError& error) {
  uint64_t value = 0;
  if (!ParseWholeNumber(field, ModeCount, value))
    return Problem(error, SessionProblem::PatternForm, "light", Printable(field));
  if (value >= ModeCount)
    return Problem(error, SessionProblem::PatternRange, "light", Printable(field));
  light = static_cast<int32_t>(value);
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// "#RRGGBB", red first as people write colours; a COLORREF holds it the
// other way round, red in the low byte.
bool ParseHexColour(const std::string& field, uint32_t& colour) {
  if (field.size() != 7 || field[0] != '#') return false;
  uint32_t rgb = 0;
  for (size_t i = 1; i < field.size(); i++) {
    const int digit = HexDigit(field[i]);
    if (digit < 0) return false;
    rgb = rgb * 16 + static_cast<uint32_t>(digit);
  }
  colour = (rgb >> 16) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
  return true;
}

bool ParseColour(const std::string& field, uint32_t& colour, SessionError& error) {
  return NamedColour(field, colour) || ParseHexColour(field, colour) ||
         Problem(error, SessionProblem::ColourForm, "colour", Printable(field));
}

// The values a word takes: noise a colour and a level, the others one.
size_t ValuesOf(const std::string& word) { return word == "noise" ? 2 : 1; }

bool ParseWord(const std::string& word, const std::string* values, SessionSegment& segment,
               SessionError& error) {
  if (word == "volume") return ParseLevelField(word, values[0], segment.volume, error);
  if (word == "noise")
    return ParseNoiseColour(values[0], segment.noise, error) &&
           ParseLevelField(word, values[1], segment.noiseLevel, error);
  if (word == "light") return ParsePattern(values[0], segment.light, error);
  if (word == "brightness") return ParseLevelField(word, values[0], segment.brightness, error);
  return ParseColour(values[0], segment.colour, error);
}

}  // namespace

bool NamedColour(const std::string& name, uint32_t& colour) {
  const struct {
    const char* name;
    uint32_t colour;  // COLORREF
  } named[] = {{"white", 0xFFFFFF}, {"red", 0x0000FF},   {"green", 0x00FF00},
               {"blue", 0xFF0000},  {"amber", 0x00BFFF}, {"violet", 0xFF008F}};
  for (const auto& entry : named) {
    if (name != entry.name) continue;
    colour = entry.colour;
    return true;
  }
  return false;
}

bool ParseSegmentWords(const std::vector<std::string>& fields, size_t first,
                       SessionSegment& segment, SessionError& error) {
  bool seen[SegmentWordCount] = {};
  for (size_t at = first; at < fields.size();) {
    size_t index = 0;
    while (index < SegmentWordCount && fields[at] != SegmentWords[index]) index++;
    if (index == SegmentWordCount)
      return Problem(error, SessionProblem::UnknownWord, "", Printable(fields[at]));
    const std::string word = SegmentWords[index];
    if (seen[index]) return Problem(error, SessionProblem::WordTwice, word);
    seen[index] = true;
    if (at + ValuesOf(word) >= fields.size())
      return Problem(error, SessionProblem::WordValueMissing, word);
    if (!ParseWord(word, &fields[at + 1], segment, error)) return false;
    at += 1 + ValuesOf(word);
  }
  return true;
}
