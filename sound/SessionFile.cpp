#include "sound/SessionFile.h"

#include <algorithm>

#include "sound/TextFields.h"

namespace {

// A segment has at most four fields: only they are kept, the rest counted,
// so that a long line of noise costs no memory.
size_t SplitFields(const std::string& line, std::vector<std::string>& fields) {
  fields.clear();
  size_t count = 0;
  for (size_t at = line.find_first_not_of(" \t"); at != std::string::npos; count++) {
    const size_t end = line.find_first_of(" \t", at);
    if (count < 4) fields.push_back(line.substr(at, end - at));
    at = line.find_first_not_of(" \t", end);
  }
  return count;
}

// The segment's content: the line without its comment and without the
// carriage return of a file written on Windows.
std::string Content(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line.substr(0, line.find('#'));
}

bool ParseDuration(const std::string& field, uint32_t& blocks, std::string& error) {
  const char unit = field.empty() ? '\0' : field.back();
  uint64_t count = 0;
  if ((unit != 'm' && unit != 's') ||
      !ParseDecimalBlocks(field.substr(0, field.size() - 1),
                          unit == 'm' ? BlocksPerMinute : BlocksPerSecond, count)) {
    error = "duration '" + Printable(field) +
            "' is not a decimal number followed by m or s, such as 20m or 1.5s";
    return false;
  }
  if (count == 0) error = "duration " + Printable(field) + " is not greater than 0";
  if (count > MaximumRenderBlocks)
    error = "duration " + Printable(field) + " is longer than 1000000 blocks (69 h 26 min 40 s)";
  blocks = static_cast<uint32_t>(count);
  return error.empty();
}

bool ParseMode(const std::string& field, SoundMode& mode, std::string& error) {
  uint64_t value = 0;
  if (!ParseWholeNumber(field, 4, value)) {
    error = "mode '" + Printable(field) + "' is not a sound mode 0..4";
    return false;
  }
  if (value > 4) error = "mode " + Printable(field) + " is out of range 0..4";
  mode = static_cast<SoundMode>(value);
  return error.empty();
}

bool ParseFrequency(const std::string& field, uint32_t& frequency, std::string& error) {
  uint64_t value = 0;
  if (!ParseHertz(field, value)) {
    error = "frequency '" + Printable(field) +
            "' is not in hertz with at most two decimals, such as 12, 7.8 or 7,80";
    return false;
  }
  if (value < MinimumFrequency || value > MaximumFrequency)
    error = "frequency " + Printable(field) + " is out of range 0.10..50.00";
  frequency = static_cast<uint32_t>(value);
  return error.empty();
}

bool ParseSegment(size_t count, const std::vector<std::string>& fields, SessionSegment& segment,
                  std::string& error) {
  if (count < 3 || count > 4) {
    error = std::to_string(count) +
            " fields, where a segment is DURATION MODE FREQUENCY [FREQUENCY]";
    return false;
  }
  if (!ParseDuration(fields[0], segment.blocks, error)) return false;
  if (!ParseMode(fields[1], segment.mode, error)) return false;
  if (!ParseFrequency(fields[2], segment.firstFrequency, error)) return false;
  segment.lastFrequency = segment.firstFrequency;
  return fields.size() == 3 || ParseFrequency(fields[3], segment.lastFrequency, error);
}

// The line of a fade directive, kept for the check of both fades together.
struct Fade {
  const char* name;
  uint32_t& blocks;
  uint64_t line;
};

bool ParseFade(size_t count, const std::vector<std::string>& fields, uint64_t line, Fade& fade,
               std::string& error) {
  if (fade.line != 0) {
    error = std::string("a second ") + fade.name + "; the first is on line " +
            std::to_string(fade.line);
  } else if (count != 2) {
    error = std::string(fade.name) + " takes one DURATION, such as " + fade.name + " 20s; " +
            std::to_string(count - 1) + " given";
  }
  if (!error.empty() || !ParseDuration(fields[1], fade.blocks, error)) return false;
  fade.line = line;
  return true;
}

// Each line: blank, a fade directive or a segment. Adds the segment's blocks.
bool ParseLine(size_t count, const std::vector<std::string>& fields, uint64_t line,
               Session& session, Fade& fadeIn, Fade& fadeOut, uint64_t& blocks,
               std::string& error) {
  if (fields[0] == fadeIn.name) return ParseFade(count, fields, line, fadeIn, error);
  if (fields[0] == fadeOut.name) return ParseFade(count, fields, line, fadeOut, error);
  SessionSegment segment{};
  if (!ParseSegment(count, fields, segment, error)) return false;
  blocks += segment.blocks;
  if (blocks > MaximumRenderBlocks) {
    error = "the session grows beyond 1000000 blocks (69 h 26 min 40 s)";
    return false;
  }
  session.segments.push_back(segment);
  return true;
}

// Checked once the whole session is known, on the line of the later fade.
bool FadesFit(const Fade& fadeIn, const Fade& fadeOut, uint64_t blocks, uint64_t& line,
              std::string& error) {
  if (uint64_t{fadeIn.blocks} + fadeOut.blocks <= blocks) return true;
  line = std::max(fadeIn.line, fadeOut.line);
  error = "the fades together are " + std::to_string(uint64_t{fadeIn.blocks} + fadeOut.blocks) +
          " blocks, longer than the session's " + std::to_string(blocks);
  return false;
}

bool Refuse(const std::string& name, uint64_t line, const std::string& what,
            SessionError& error) {
  error.line = line;
  error.what = what;
  error.message = name + (line ? " line " + std::to_string(line) : std::string()) + ": " + what;
  return false;
}

}  // namespace

bool ParseSession(const std::string& text, const std::string& name, Session& session,
                  SessionError& error) {
  session = Session{{}, 0, 0};
  error = SessionError{0, "", ""};
  Fade fadeIn{"fade-in", session.fadeInBlocks, 0}, fadeOut{"fade-out", session.fadeOutBlocks, 0};
  uint64_t blocks = 0;
  size_t start = 0;
  std::vector<std::string> fields;
  std::string what;
  for (uint64_t line = 1; start <= text.size(); line++) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const size_t count = SplitFields(Content(text.substr(start, end - start)), fields);
    start = end + 1;
    if (count != 0 && !ParseLine(count, fields, line, session, fadeIn, fadeOut, blocks, what))
      return Refuse(name, line, what, error);
  }
  if (session.segments.empty())
    return Refuse(name, 0, "no segment, only blank lines, comments and fades", error);
  uint64_t line = 0;
  if (!FadesFit(fadeIn, fadeOut, blocks, line, what)) return Refuse(name, line, what, error);
  return true;
}
