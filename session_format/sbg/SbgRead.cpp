// The line dispatch of the .sbg reader: comments, option lines, tone-set
// and block definitions, the lines of a block, and time lines.
#include <algorithm>

#include "session_format/SessionFields.h"
#include "session_format/TextFields.h"
#include "session_format/sbg/SbgReading.h"

namespace {

// A line's content: up to its first #, without the spaces around it. The
// text of a ## comment, which SBaGen shows as it reads, is kept.
std::string Content(std::string line, std::vector<std::string>& notes) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const size_t hash = line.find('#');
  if (hash == std::string::npos) return Trimmed(line);
  if (line.compare(hash, 2, "##") == 0) {
    const std::string note = line.substr(hash + 2);
    notes.push_back(note.substr(0, note.find_last_not_of(" \t") + 1));
  }
  return Trimmed(line.substr(0, hash));
}

bool NameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-';
}

// NAME: followed by a space or tab, the name a letter and then letters,
// digits, _ and -. Anything else, ts:pink/40 among them, is a time line.
bool DefinitionName(const std::string& content, std::string& name, std::string& rest) {
  const char c = content.empty() ? '\0' : content[0];
  if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  size_t end = 1;
  while (end < content.size() && NameCharacter(content[end])) end++;
  if (end + 1 >= content.size() || content[end] != ':' ||
      (content[end + 1] != ' ' && content[end + 1] != '\t'))
    return false;
  name = content.substr(0, end);
  rest = content.substr(end + 1);
  return true;
}

// SBaGen's own waveforms, waveNN: followed by samples.
bool WaveformName(const std::string& name) {
  return name.size() > 4 && name.compare(0, 4, "wave") == 0 &&
         name.find_first_not_of("0123456789", 4) == std::string::npos;
}

// SBaGen+ scales a tone-set whose levels add up to more than 100 down to 100
// as it is defined, bells and the mix counted. Truncated, so that the scaled
// levels never add up to more than 100.
void ScaleLoudLevels(SbgToneSet& set) {
  int64_t total = 0;
  for (const SbgVoice& voice : set.voices) total += voice.amplitude;
  if (total <= 10000) return;
  for (SbgVoice& voice : set.voices)
    voice.amplitude = static_cast<int32_t>(int64_t{voice.amplitude} * 10000 / total);
  set.scaledFrom = static_cast<uint32_t>(total);
}

bool ReadToneSet(const std::string& name, const std::vector<std::string>& words, uint64_t line,
                 SbgReading& reading, SbgFile& file, SessionError& error) {
  if (words.size() > SbgSlots)
    return Problem(error, SessionProblem::SbgTooManyVoices, "", "", words.size(), SbgSlots);
  SbgToneSet set{name, {}, line, 0};
  for (size_t slot = 0; slot < SbgSlots; slot++) set.voices[slot] = SbgOff();
  for (size_t slot = 0; slot < words.size(); slot++)
    if (!ParseSbgVoice(words[slot], set.voices[slot], error)) return false;
  ScaleLoudLevels(set);
  reading.names.push_back(SbgName{name, false, file.toneSets.size()});
  file.toneSets.push_back(set);
  return true;
}

bool ReadDefinition(const std::string& name, const std::string& rest, uint64_t line,
                    SbgReading& reading, SbgFile& file, SessionError& error) {
  if (WaveformName(name))
    return Problem(error, SessionProblem::SbgVoiceNotSupported, "waveNN", Printable(name + ":"));
  const std::vector<std::string> words = SbgWords(rest);
  if (words.empty() || words[0] != "{") return ReadToneSet(name, words, line, reading, file, error);
  if (words.size() > 1) return Problem(error, SessionProblem::SbgBlockOpen, Printable(name));
  reading.names.push_back(SbgName{name, true, reading.blocks.size()});
  reading.blocks.push_back(SbgBlock{{}, {}, line, false});
  reading.inBlock = true;
  return true;
}

// Inside NAME: { ... }: lines of relative times, kept as text, up to a }
// alone on its line.
bool ReadBlockLine(const std::string& content, uint64_t line, SbgReading& reading,
                   SessionError& error) {
  SbgBlock& block = reading.blocks.back();
  if (content == "}") {
    reading.inBlock = false;
    if (block.lines.empty())
      return Problem(error, SessionProblem::SbgBlockEmpty, Printable(reading.names.back().name));
    return true;
  }
  if (content[0] != '+') return Problem(error, SessionProblem::SbgBlockLine, "", Printable(content));
  block.lines.push_back(content);
  block.lineNumbers.push_back(line);
  return true;
}

bool ReadLine(const std::string& content, uint64_t line, SbgReading& reading, SbgFile& file,
              SessionError& error) {
  reading.errorLine = line;
  if (content.empty()) return true;
  if (reading.inBlock) return ReadBlockLine(content, line, reading, error);
  if (content[0] == '-') return ReadSbgOptions(SbgWords(content), line, reading, file, error);
  if (reading.contentLine == 0) reading.contentLine = line;
  std::string name, rest;
  if (DefinitionName(content, name, rest))
    return ReadDefinition(name, rest, line, reading, file, error);
  return ReadSbgTimeLine(content, line, reading, file, error);
}

// What the file as a whole must have once it is read; `line` is where the
// problem is, 0 for the file as a whole.
bool CheckWhole(const SbgReading& reading, const SbgFile& file, uint64_t& line,
                SessionError& error) {
  if (reading.inBlock) {
    line = reading.blocks.back().line;
    return Problem(error, SessionProblem::SbgBlockUnclosed, Printable(reading.names.back().name));
  }
  line = 0;
  if (file.timeLines.empty()) return Problem(error, SessionProblem::SbgNoTimeLine);
  for (const SbgTimeLine& timeLine : file.timeLines) {
    const SbgToneSet& set = file.toneSets[timeLine.toneSet];
    line = set.line;
    for (const SbgVoice& voice : set.voices)
      if (voice.type == SbgVoiceType::Mix && file.mixFile.empty())
        return Problem(error, SessionProblem::SbgMixWithoutFile, Printable(set.name));
  }
  return true;
}

}  // namespace

bool ReadSbg(const std::string& text, const std::string& name, SbgFile& file,
             SessionError& error) {
  file = SbgFile{{}, {}, {}, false, false, 0, 0, SbgDefaultFadeMs, "", 0, 0, 0, 0};
  error = SessionError{0, SessionProblem::None, "", "", 0, 0, "", ""};
  SbgReading reading{{}, {}, false, 0, false, 0, 0, 0, 0, false, 0, 0};
  size_t start = TextStart(text);
  for (uint64_t line = 1; start <= text.size(); line++) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string content = Content(text.substr(start, end - start), file.notes);
    start = end + 1;
    if (!ReadLine(content, line, reading, file, error))
      return Refuse(name, reading.errorLine, error);
  }
  uint64_t line = 0;
  if (!CheckWhole(reading, file, line, error)) return Refuse(name, line, error);
  return true;
}
