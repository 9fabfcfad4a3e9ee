#include "sound/render_sound/SessionFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "sound/render_sound/TextFields.h"

namespace {

// Far above any real session (a million segment lines fit in 30 MB), but a
// bound, so that a device or a wrong file is refused instead of read forever.
const size_t LargestSessionFile = 64u << 20;

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

}  // namespace

uint32_t SegmentFrequency(const SessionSegment& segment, uint32_t block) {
  if (segment.blocks <= 1) return segment.firstFrequency;
  const int64_t first = segment.firstFrequency;
  const int64_t change = static_cast<int64_t>(segment.lastFrequency) - first;
  const int64_t steps = static_cast<int64_t>(segment.blocks) - 1;
  // Integer division in C++ truncates toward zero, also for a falling slide.
  return static_cast<uint32_t>(first + change * static_cast<int64_t>(block) / steps);
}

uint64_t SessionBlocks(const std::vector<SessionSegment>& segments) {
  uint64_t blocks = 0;
  for (const SessionSegment& segment : segments) blocks += segment.blocks;
  return blocks;
}

bool ParseSession(const std::string& text, std::vector<SessionSegment>& segments,
                  std::string& error) {
  segments.clear();
  error.clear();
  uint64_t blocks = 0;
  size_t start = 0;
  std::vector<std::string> fields;
  for (uint64_t line = 1; start <= text.size(); line++) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const size_t count = SplitFields(Content(text.substr(start, end - start)), fields);
    start = end + 1;
    if (count == 0) continue;
    SessionSegment segment{};
    if (ParseSegment(count, fields, segment, error)) blocks += segment.blocks;
    if (error.empty() && blocks > MaximumRenderBlocks)
      error = "the session grows beyond 1000000 blocks (69 h 26 min 40 s)";
    if (!error.empty()) {
      error = "session line " + std::to_string(line) + ": " + error;
      return false;
    }
    segments.push_back(segment);
  }
  if (segments.empty()) error = "the session has no segment, only blank lines and comments";
  return error.empty();
}

bool ReadSession(const std::string& name, FILE* standardInput, std::string& text,
                 std::string& error) {
  text.clear();
  error.clear();
  FILE* in = name == "-" ? standardInput : std::fopen(name.c_str(), "rb");
  int failure = errno;
  char chunk[65536];
  size_t got = 0;
  while (in != nullptr && text.size() <= LargestSessionFile &&
         (got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
    text.append(chunk, got);
  if (in != nullptr && std::ferror(in)) failure = errno;
  const std::string shownName = "'" + Printable(name) + "'";
  if (in == nullptr || std::ferror(in))
    error = "cannot read session file " + shownName + ": " + std::strerror(failure);
  else if (text.size() > LargestSessionFile)
    error = "session file " + shownName + " is larger than 64 MiB";
  if (in != nullptr && in != standardInput) std::fclose(in);
  return error.empty();
}
