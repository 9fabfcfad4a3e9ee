#include "session_format/SessionReader.h"

#include <algorithm>

#include "session_format/SessionFields.h"
#include "session_format/SessionVoices.h"
#include "session_format/SessionWords.h"
#include "session_format/TextFields.h"

namespace {

// Whether the field before `at` is the word colour: its value may be
// written #RRGGBB, whose # does not start a comment.
bool AfterColourWord(const std::string& line, size_t at) {
  const std::string word = "colour";
  const size_t end = at == 0 ? std::string::npos : line.find_last_not_of(" \t", at - 1);
  if (end == std::string::npos || end + 1 == at || end + 1 < word.size()) return false;
  const size_t start = end + 1 - word.size();
  return line.compare(start, word.size(), word) == 0 &&
         (start == 0 || line[start - 1] == ' ' || line[start - 1] == '\t');
}

// The line's content: without its comment and without the carriage return
// of a file written on Windows.
std::string Content(std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line.substr(0, CommentStart(line));
}

// The text after the first `skip` fields of a line's content.
std::string AfterFields(const std::string& content, size_t skip) {
  size_t at = content.find_first_not_of(" \t");
  for (size_t i = 0; i < skip && at != std::string::npos; i++)
    at = content.find_first_not_of(" \t", content.find_first_of(" \t", at));
  return at == std::string::npos ? "" : Trimmed(content.substr(at));
}

bool StartsWord(const std::string& field) {
  const char c = field.empty() ? '\0' : field[0];
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// DURATION MODE FREQUENCY [FREQUENCY], then the words, which begin with a
// letter where the numbers cannot.
bool ParseSegment(size_t count, const std::vector<std::string>& fields, SessionSegment& segment,
                  SessionError& error) {
  if (count < 3) return Problem(error, SessionProblem::FieldCount, "", "", count);
  size_t numbers = 3;
  while (numbers < fields.size() && !StartsWord(fields[numbers])) numbers++;
  if (numbers == fields.size()) numbers = count;
  if (numbers > 4) return Problem(error, SessionProblem::FieldCount, "", "", numbers);
  if (!ParseDurationField(fields[0], segment.blocks, error)) return false;
  if (!ParseModeField(fields[1], segment.mode, error)) return false;
  if (!ParseFrequencyField(fields[2], segment.firstFrequency, error)) return false;
  segment.lastFrequency = segment.firstFrequency;
  if (numbers == 4 && !ParseFrequencyField(fields[3], segment.lastFrequency, error)) return false;
  return ParseSegmentWords(fields, numbers, segment, error);
}

// A directive that may stand once in a file: the line it is on, 0 until then.
bool FirstOfItsKind(const std::string& name, uint64_t& seenOn, uint64_t line, SessionError& error) {
  if (seenOn != 0) return Problem(error, SessionProblem::SecondDirective, name, "", seenOn);
  seenOn = line;
  return true;
}

// What the reader keeps of the directives while it reads.
struct Directives {
  uint64_t fadeInLine, fadeOutLine, englishLine, russianLine, musicLine;
};

bool ParseFade(size_t count, const std::vector<std::string>& fields, uint64_t line,
               uint64_t& seenOn, uint32_t& blocks, SessionError& error) {
  if (!FirstOfItsKind(fields[0], seenOn, line, error)) return false;
  if (count != 2) return Problem(error, SessionProblem::DirectiveValues, fields[0], "", count - 1);
  return ParseDurationField(fields[1], blocks, error);
}

// title en TEXT or title ru TEXT: the rest of the line, trimmed.
bool ParseTitle(const std::string& content, const std::vector<std::string>& fields, uint64_t line,
                Directives& seen, Session& session, SessionError& error) {
  const std::string language = fields.size() > 1 ? fields[1] : "";
  if (language != "en" && language != "ru")
    return Problem(error, SessionProblem::TitleLanguage, "title", Printable(language));
  uint64_t& seenOn = language == "en" ? seen.englishLine : seen.russianLine;
  if (!FirstOfItsKind("title " + language, seenOn, line, error)) return false;
  const std::string title = AfterFields(content, 2);
  if (title.empty()) return Problem(error, SessionProblem::TitleEmpty, language);
  (language == "en" ? session.englishTitle : session.russianTitle) = title;
  return true;
}

// music FILE LEVEL: the name is all between the word and the level, so that
// it may hold spaces.
bool ParseMusic(size_t count, const std::string& content, uint64_t line, Directives& seen,
                Session& session, SessionError& error) {
  if (!FirstOfItsKind("music", seen.musicLine, line, error)) return false;
  if (count < 3) return Problem(error, SessionProblem::DirectiveValues, "music", "", count - 1);
  const std::string rest = AfterFields(content, 1);
  const size_t levelAt = rest.find_last_of(" \t") + 1;
  if (!ParseLevelField("music", rest.substr(levelAt), session.musicLevel, error)) return false;
  session.musicFile = Trimmed(rest.substr(0, levelAt));
  session.musicLine = line;
  return true;
}

// A voice line, under the last segment read.
bool ParseVoiceLine(const std::vector<std::string>& fields, size_t count, uint64_t line,
                    Session& session, SessionError& error) {
  if (session.segments.empty())
    return Problem(error, SessionProblem::VoiceBeforeSegment, fields[0]);
  std::vector<Voice>& voices = session.segments.back().voices;
  if (voices.size() == MaximumVoices)
    return Problem(error, SessionProblem::VoiceTooMany, "", "", MaximumVoices + 1);
  Voice voice;
  if (!ParseVoice(fields, count, voice, error)) return false;
  voice.line = line;
  voices.push_back(voice);
  return true;
}

// The line of the first music voice, 0 for none.
uint64_t FirstMusicVoice(const Session& session) {
  for (const SessionSegment& segment : session.segments)
    for (const Voice& voice : segment.voices)
      if (voice.kind == VoiceKind::Music) return voice.line;
  return 0;
}

// Each line: blank, a directive, a voice or a segment. Adds the segment's
// blocks.
bool ParseLine(const std::string& content, uint64_t line, Session& session, Directives& seen,
               uint64_t& blocks, SessionError& error) {
  size_t count = 0;
  const std::vector<std::string> fields = SplitFields(content, KeptFields, count);
  if (count == 0) return true;
  // The music directive has a file and a level; one value under a segment
  // is a music voice.
  const bool musicVoice = fields[0] == "music" && count == 2 && !session.segments.empty();
  if (IsVoiceKindWord(fields[0]) && (fields[0] != "music" || musicVoice))
    return ParseVoiceLine(fields, count, line, session, error);
  if (fields[0] == "fade-in")
    return ParseFade(count, fields, line, seen.fadeInLine, session.fadeInBlocks, error);
  if (fields[0] == "fade-out")
    return ParseFade(count, fields, line, seen.fadeOutLine, session.fadeOutBlocks, error);
  if (fields[0] == "title") return ParseTitle(content, fields, line, seen, session, error);
  if (fields[0] == "music") return ParseMusic(count, content, line, seen, session, error);
  // Durations begin with a digit: a word here is a kind mistyped.
  if (StartsWord(fields[0]))
    return Problem(error, SessionProblem::VoiceKindUnknown, "", Printable(fields[0]));
  SessionSegment segment = PlainSegment(SoundMode::None, 0, 0, 0);
  segment.line = line;
  if (!ParseSegment(count, fields, segment, error)) return false;
  blocks += segment.blocks;
  if (blocks > MaximumRenderBlocks) return Problem(error, SessionProblem::SessionTooLong);
  session.segments.push_back(segment);
  return true;
}

}  // namespace

size_t CommentStart(const std::string& line) {
  size_t hash = line.find('#');
  while (hash != std::string::npos && AfterColourWord(line, hash)) hash = line.find('#', hash + 1);
  return hash;
}

SessionSegment PlainSegment(SoundMode mode, uint32_t blocks, uint32_t firstFrequency,
                            uint32_t lastFrequency) {
  SessionSegment segment{};
  segment.mode = mode;
  segment.blocks = blocks;
  segment.firstFrequency = firstFrequency;
  segment.lastFrequency = lastFrequency;
  segment.volume = FullLevel;
  segment.noise = NoiseColour::None;
  segment.light = ChosenPattern;
  segment.brightness = FullLevel;
  segment.colour = WhiteColour;
  return segment;
}

bool ParseSession(const std::string& text, const std::string& name, Session& session,
                  SessionError& error) {
  session = Session{{}, 0, 0, "", "", "", 0, 0, ""};
  error = SessionError{0, SessionProblem::None, "", "", 0, 0, "", ""};
  Directives seen{0, 0, 0, 0, 0};
  uint64_t blocks = 0;
  size_t start = TextStart(text);
  for (uint64_t line = 1; start <= text.size(); line++) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string content = Content(text.substr(start, end - start));
    start = end + 1;
    if (!ParseLine(content, line, session, seen, blocks, error)) return Refuse(name, line, error);
  }
  if (session.segments.empty()) {
    Problem(error, SessionProblem::NoSegment);
    return Refuse(name, 0, error);
  }
  // Known once the whole file is read: the music line may come after.
  if (session.musicFile.empty() && FirstMusicVoice(session) != 0) {
    Problem(error, SessionProblem::MusicVoiceAlone);
    return Refuse(name, FirstMusicVoice(session), error);
  }
  const uint64_t fades = uint64_t{session.fadeInBlocks} + session.fadeOutBlocks;
  if (fades <= blocks) return true;
  // Checked once the whole session is known, on the line of the later fade.
  Problem(error, SessionProblem::FadesTooLong, "", "", fades, blocks);
  return Refuse(name, std::max(seen.fadeInLine, seen.fadeOutLine), error);
}
