#include "session_format/SessionFields.h"

#include "session_format/SessionProblems.h"
#include "session_format/TextFields.h"

bool Refuse(const std::string& name, uint64_t line, SessionError& error) {
  error.line = line;
  error.what = EnglishSessionProblem(error);
  error.message =
      name + (line ? " line " + std::to_string(line) : std::string()) + ": " + error.what;
  return false;
}

bool Problem(SessionError& error, SessionProblem problem, const std::string& word,
             const std::string& field, uint64_t count, uint64_t limit) {
  error.problem = problem;
  error.word = word;
  error.field = field;
  error.count = count;
  error.limit = limit;
  return false;
}

bool ParseModeField(const std::string& field, SoundMode& mode, SessionError& error) {
  uint64_t value = 0;
  if (!ParseWholeNumber(field, ModeCount, value))
    return Problem(error, SessionProblem::ModeForm, "", Printable(field));
  if (value >= ModeCount) return Problem(error, SessionProblem::ModeRange, "", Printable(field));
  mode = static_cast<SoundMode>(value);
  return true;
}

bool ParseFrequencyField(const std::string& field, uint32_t& frequency, SessionError& error) {
  uint64_t value = 0;
  if (!ParseHertz(field, value))
    return Problem(error, SessionProblem::FrequencyForm, "", Printable(field));
  if (value < MinimumFrequency || value > MaximumFrequency)
    return Problem(error, SessionProblem::FrequencyRange, "", Printable(field));
  frequency = static_cast<uint32_t>(value);
  return true;
}

bool ParseDurationField(const std::string& field, uint32_t& blocks, SessionError& error) {
  const char unit = field.empty() ? '\0' : field.back();
  uint64_t count = 0;
  if ((unit != 'm' && unit != 's') ||
      !ParseDecimalBlocks(field.substr(0, field.size() - 1),
                          unit == 'm' ? BlocksPerMinute : BlocksPerSecond, count))
    return Problem(error, SessionProblem::DurationForm, "", Printable(field));
  if (count == 0) return Problem(error, SessionProblem::DurationZero, "", Printable(field));
  if (count > MaximumRenderBlocks)
    return Problem(error, SessionProblem::DurationTooLong, "", Printable(field));
  blocks = static_cast<uint32_t>(count);
  return true;
}

bool ParseLevelField(const std::string& word, const std::string& field, uint32_t& level,
                     SessionError& error) {
  uint64_t value = 0;
  if (!ParseWholeNumber(field, FullLevel, value))
    return Problem(error, SessionProblem::LevelForm, word, Printable(field));
  if (value > FullLevel) return Problem(error, SessionProblem::LevelRange, word, Printable(field));
  level = static_cast<uint32_t>(value);
  return true;
}
