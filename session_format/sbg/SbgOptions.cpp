// The option lines at the top of an .sbg file, read as SBaGen reads its
// command line: several options to a line, flags run together (-SE), a
// value in the rest of the word or in the next. Options of output only are
// passed over; one that would change the sound in a way the import cannot
// follow is refused.
#include "session_format/SessionFields.h"
#include "session_format/TextFields.h"
#include "session_format/sbg/SbgReading.h"

namespace {

// The value of the option letter at words[i][j]: the rest of the word, or
// the next word.
bool OptionValue(const std::vector<std::string>& words, size_t& i, size_t j, std::string& value,
                 SessionError& error) {
  const std::string option = std::string("-") + words[i][j];
  if (j + 1 < words[i].size()) {
    value = words[i].substr(j + 1);
  } else if (i + 1 < words.size()) {
    value = words[++i];
  } else {
    const uint64_t most = words[i][j] == 'F' ? SbgDayMs : 0;
    return Problem(error, SessionProblem::SbgOptionValue, option, "", 0, most);
  }
  return true;
}

bool Digits(const std::string& value, uint64_t limit, uint64_t& number) {
  return ParseWholeNumber(value, limit, number) && number <= limit;
}

// An option whose one harmless value changes nothing; any other value of
// the right form changes the sound.
bool OnlyHarmless(char letter, const std::string& value, const std::string& harmless, bool form,
                  SessionError& error) {
  const std::string option = std::string("-") + letter;
  if (!form) return Problem(error, SessionProblem::SbgOptionValue, option, Printable(value));
  if (value != harmless)
    return Problem(error, SessionProblem::SbgOptionRefused, option, Printable(option + " " + value));
  return true;
}

// -T and -S (or -q) each say where to start; which would win is not ours to guess.
bool StartOnce(const SbgReading& reading, const SbgFile& file, SessionError& error) {
  if (file.startAtClock && reading.startAndSOrQ)
    return Problem(error, SessionProblem::SbgStartConflict, "", "", file.startLine);
  return true;
}

bool ValueOption(char letter, const std::string& value, uint64_t line, SbgReading& reading,
                 SbgFile& file, SessionError& error) {
  const std::string option = std::string("-") + letter;
  uint64_t number = 0;
  switch (letter) {
    case 'T':
      if (!ParseSbgClock(value, 24, number))
        return Problem(error, SessionProblem::SbgOptionValue, option, Printable(value));
      file.startAtClock = true;
      file.startTime = static_cast<uint32_t>(number);
      file.startLine = line;
      if (reading.clockLine == 0) reading.clockLine = line;
      return StartOnce(reading, file, error);
    case 'L':
      if (!ParseSbgClock(value, 100, file.lengthMs))
        return Problem(error, SessionProblem::SbgOptionValue, option, Printable(value));
      file.lengthLine = line;
      return true;
    case 'F':
      if (!Digits(value, SbgDayMs, number))
        return Problem(error, SessionProblem::SbgOptionValue, option, Printable(value), 0, SbgDayMs);
      file.fadeMs = static_cast<uint32_t>(number);
      return true;
    case 'q':
      if (!OnlyHarmless(letter, value, "1", Digits(value, 1000000, number) && number > 0, error))
        return false;
      reading.startAndSOrQ = true;
      return StartOnce(reading, file, error);
    case 'm':
      if (!file.mixFile.empty())
        return Problem(error, SessionProblem::SecondDirective, option, "", file.mixLine);
      file.mixFile = value;
      file.mixLine = line;
      return true;
    case 'r':
      return OnlyHarmless(letter, value, "44100", Digits(value, 1000000, number), error);
    case 'b':
      return OnlyHarmless(letter, value, "16", Digits(value, 1000, number), error);
    case 'V':
      return OnlyHarmless(letter, value, "100", Digits(value, 100, number), error);
    case 'w':
      return OnlyHarmless(letter, value, "sine",
                          value == "sine" || value == "square" || value == "triangle" ||
                              value == "sawtooth",
                          error);
    case 'c':
      return Problem(error, SessionProblem::SbgOptionRefused, option, Printable(option + " " + value));
    default:  // -R, the rate of updates, and -o, an output file
      return true;
  }
}

bool TakesValue(char letter) {
  for (char c : std::string("TLFqmrbVwcRo"))
    if (c == letter) return true;
  return false;
}

// The words from i on, for the message about an option that takes the rest
// of its line.
std::string RestOfLine(const std::vector<std::string>& words, size_t i) {
  std::string rest = words[i];
  for (size_t k = i + 1; k < words.size(); k++) rest += " " + words[k];
  return Printable(rest);
}

}  // namespace

bool ReadSbgOptions(const std::vector<std::string>& words, uint64_t line, SbgReading& reading,
                    SbgFile& file, SessionError& error) {
  if (reading.contentLine != 0)
    return Problem(error, SessionProblem::SbgOptionLate, "", Printable(words[0]),
                   reading.contentLine);
  for (size_t i = 0; i < words.size(); i++) {
    const std::string& word = words[i];
    if (word.size() < 2 || word[0] != '-')
      return Problem(error, SessionProblem::SbgOptionUnknown, "", Printable(word));
    for (size_t j = 1; j < word.size(); j++) {
      const char letter = word[j];
      if (letter == 'p' || letter == 'i')  // a built-in program or tones in place of the file's
        return Problem(error, SessionProblem::SbgOptionRefused, std::string("-") + letter,
                       RestOfLine(words, i));
      if (TakesValue(letter)) {
        // Its value is the rest of this word or the next word: either way
        // this word is done.
        std::string value;
        if (!OptionValue(words, i, j, value, error)) return false;
        if (!ValueOption(letter, value, line, reading, file, error)) return false;
        break;
      }
      if (letter == 'S') {
        reading.startAndSOrQ = true;
        if (!StartOnce(reading, file, error)) return false;
      } else if (letter == 'E') {
        file.endAtLastLine = true;
        file.endLine = line;
      } else if (letter != 'Q' && letter != 'D' && letter != 'W' && letter != 'O' &&
                 letter != 'N') {
        // Quiet, dump, WAV, standard output and SBaGen+'s unscaled levels
        // (ours are scaled whatever it says) change nothing heard; the rest
        // is unknown here.
        return Problem(error, SessionProblem::SbgOptionUnknown, "",
                       Printable(std::string("-") + letter));
      }
    }
  }
  return true;
}
