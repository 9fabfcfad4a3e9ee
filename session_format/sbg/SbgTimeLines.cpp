// Time lines: TIME [FADES] NAME [->]. A time is absolute (NOW or a clock
// time) with relative parts added (+hh:mm), or relative alone, counting
// from the last absolute time the file gave. A block's name stands for its
// lines, each read with the caller's time written in front of it.
#include "session_format/SessionFields.h"
#include "session_format/TextFields.h"
#include "session_format/sbg/SbgReading.h"

namespace {

bool ClockField(const std::string& field, uint64_t limit, uint64_t& value) {
  return field.size() >= 1 && field.size() <= 2 && ParseWholeNumber(field, 99, value) &&
         value < limit;
}

bool StartsLetter(const std::string& word) {
  const char c = word.empty() ? '\0' : word[0];
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// NOW stands for midnight: a file is played from its first line (or -T),
// so only the distances between its times count. A file that mixes NOW with
// clock times would sound different at each hour it is started, so it is
// refused.
bool OneBase(SbgTimeBase base, const std::string& word, uint64_t line, SbgReading& reading,
             SessionError& error) {
  if (base == SbgTimeBase::None) return true;
  uint64_t& mine = base == SbgTimeBase::Now ? reading.nowLine : reading.clockLine;
  const uint64_t other = base == SbgTimeBase::Now ? reading.clockLine : reading.nowLine;
  if (other != 0) return Problem(error, SessionProblem::SbgNowAndClock, "", Printable(word), other);
  if (mine == 0) mine = line;
  return true;
}

// The parts of a time word, each up to the next +.
bool ParseTimeWord(const std::string& word, uint64_t line, SbgReading& reading, uint32_t& time,
                   SessionError& error) {
  const size_t firstPlus = word.find('+');
  const std::string head = word.substr(0, firstPlus);
  uint64_t ms = 0;
  SbgTimeBase base = SbgTimeBase::None;
  if (head == "NOW") {
    base = SbgTimeBase::Now;
  } else if (!head.empty()) {
    if (!ParseSbgClock(head, 24, ms))
      return Problem(error, SessionProblem::SbgTimeForm, "", Printable(word));
    base = SbgTimeBase::Clock;
  } else if (!reading.haveAbsolute) {
    return Problem(error, SessionProblem::SbgRelativeFirst, "", Printable(word));
  }
  if (!OneBase(base, word, line, reading, error)) return false;
  if (base != SbgTimeBase::None) {
    reading.haveAbsolute = true;
    reading.lastAbsolute = static_cast<uint32_t>(ms);
  }
  ms = reading.lastAbsolute;
  for (size_t at = firstPlus; at != std::string::npos;) {
    const size_t next = word.find('+', at + 1);
    uint64_t part = 0;
    if (!ParseSbgClock(word.substr(at + 1, next - at - 1), 24, part))
      return Problem(error, SessionProblem::SbgTimeForm, "", Printable(word));
    ms += part;
    at = next;
  }
  time = static_cast<uint32_t>(ms % SbgDayMs);
  return true;
}

// Two characters: how the tone-set comes in (< from silence, - a fade,
// = a slide) and how it goes out (> to silence, - or =).
bool ParseFades(const std::string& word, char& in, char& out, SessionError& error) {
  if (word.size() != 2 || std::string("<-=").find(word[0]) == std::string::npos ||
      std::string(">-=").find(word[1]) == std::string::npos)
    return Problem(error, SessionProblem::SbgFadeForm, "", Printable(word));
  in = word[0];
  out = word[1];
  return true;
}

// The newest definition of the name: a later one hides an earlier one.
const SbgName* FindName(const SbgReading& reading, const std::string& name) {
  for (size_t i = reading.names.size(); i-- > 0;)
    if (reading.names[i].name == name) return &reading.names[i];
  return nullptr;
}

// The times of the lines follow each other round the day's circle; together
// they may not go round it more than once.
bool AddTimeLine(const SbgTimeLine& timeLine, SbgReading& reading, SbgFile& file,
                 SessionError& error) {
  if (file.timeLines.size() == SbgMostTimeLines)
    return Problem(error, SessionProblem::SbgTooManyTimeLines, "", "", SbgMostTimeLines);
  if (!file.timeLines.empty())
    reading.span += (timeLine.time + SbgDayMs - file.timeLines.back().time) % SbgDayMs;
  if (reading.span > SbgDayMs) return Problem(error, SessionProblem::SbgLongerThanDay);
  file.timeLines.push_back(timeLine);
  return true;
}

// A caller's fades and -> are not passed on: each of the block's lines says
// its own.
bool ExpandBlock(const std::string& timeWord, size_t index, const std::string& name,
                 SbgReading& reading, SbgFile& file, SessionError& error) {
  if (reading.blocks[index].expanding)
    return Problem(error, SessionProblem::SbgBlockCallsItself, Printable(name));
  if (reading.depth == SbgDeepestBlocks)
    return Problem(error, SessionProblem::SbgBlocksTooDeep, Printable(name), "", SbgDeepestBlocks);
  reading.blocks[index].expanding = true;
  reading.depth++;
  for (size_t k = 0; k < reading.blocks[index].lines.size(); k++) {
    const SbgBlock& block = reading.blocks[index];
    if (!ReadSbgTimeLine(timeWord + block.lines[k], block.lineNumbers[k], reading, file, error))
      return false;
  }
  reading.blocks[index].expanding = false;
  reading.depth--;
  return true;
}

}  // namespace

bool ParseSbgClock(const std::string& text, uint32_t hourLimit, uint64_t& ms) {
  const size_t first = text.find(':');
  if (first == std::string::npos) return false;
  const size_t second = text.find(':', first + 1);
  uint64_t hours = 0, minutes = 0, seconds = 0;
  if (!ClockField(text.substr(0, first), hourLimit, hours) ||
      !ClockField(text.substr(first + 1, second - first - 1), 60, minutes) ||
      (second != std::string::npos && !ClockField(text.substr(second + 1), 60, seconds)))
    return false;
  ms = ((hours * 60 + minutes) * 60 + seconds) * 1000;
  return true;
}

std::vector<std::string> SbgWords(const std::string& content) {
  std::vector<std::string> words;
  for (size_t at = content.find_first_not_of(" \t"); at != std::string::npos;) {
    const size_t end = content.find_first_of(" \t", at);
    words.push_back(content.substr(at, end - at));
    at = content.find_first_not_of(" \t", end);
  }
  return words;
}

bool ReadSbgTimeLine(const std::string& content, uint64_t line, SbgReading& reading,
                     SbgFile& file, SessionError& error) {
  reading.errorLine = line;
  const std::vector<std::string> words = SbgWords(content);
  SbgTimeLine timeLine{0, '-', '-', false, 0, line};
  if (!ParseTimeWord(words[0], line, reading, timeLine.time, error)) return false;
  size_t at = 1;
  if (at < words.size() && !StartsLetter(words[at])) {
    if (!ParseFades(words[at], timeLine.fadeIn, timeLine.fadeOut, error)) return false;
    at++;
  }
  if (at == words.size()) return Problem(error, SessionProblem::SbgUnknownName);
  const std::string& name = words[at++];
  if (at < words.size()) {
    if (words[at] != "->" || at + 1 < words.size()) {
      std::string rest = words[at];
      for (size_t k = at + 1; k < words.size(); k++) rest += " " + words[k];
      return Problem(error, SessionProblem::SbgTrailing, "", Printable(rest));
    }
    timeLine.slide = true;
  }
  const SbgName* found = FindName(reading, name);
  if (!found) return Problem(error, SessionProblem::SbgUnknownName, "", Printable(name));
  if (found->block) return ExpandBlock(words[0], found->index, name, reading, file, error);
  timeLine.toneSet = found->index;
  return AddTimeLine(timeLine, reading, file, error);
}
