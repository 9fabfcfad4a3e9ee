#include "session_format/document/SessionDocument.h"

#include <algorithm>

#include "platform/Paths.h"
#include "session_format/SessionFields.h"
#include "session_format/SessionReader.h"
#include "session_format/SessionSchedule.h"
#include "session_format/TextFields.h"

namespace {

// Windows' own, for a session that has no file yet.
const char WindowsLineEnd[] = "\r\n";
const uint32_t NewMusicLevel = 30;

std::string LineEndOf(const std::string& text) {
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) return "\r\n";
  return !text.empty() && text.back() == '\n' ? "\n" : "";
}

std::string WithoutLineEnd(const std::string& text) {
  return text.substr(0, text.size() - LineEndOf(text).size());
}

// The comment of a line with the spaces before it, to keep when the line is
// written anew.
std::string CommentOf(const std::string& text) {
  const std::string body = WithoutLineEnd(text);
  const size_t hash = CommentStart(body);
  if (hash == std::string::npos) return "";
  const size_t content = body.find_last_not_of(" \t", hash == 0 ? 0 : hash - 1);
  return body.substr(hash == 0 || content == std::string::npos ? 0 : content + 1);
}

void Rewrite(DocumentLine& line, const std::string& content) {
  line.text = content + CommentOf(line.text) + LineEndOf(line.text);
}

// The kind of a line that the reader has taken: segments are known by
// their line numbers, the directives by their first fields.
LineKind KindOf(const std::string& text) {
  const std::string content = WithoutLineEnd(text).substr(0, CommentStart(WithoutLineEnd(text)));
  size_t count = 0;
  const std::vector<std::string> fields = SplitFields(content, 2, count);
  if (fields.empty()) return LineKind::Other;
  if (fields[0] == "fade-in") return LineKind::FadeIn;
  if (fields[0] == "fade-out") return LineKind::FadeOut;
  if (fields[0] == "music") return LineKind::Music;
  if (fields[0] != "title" || fields.size() < 2) return LineKind::Other;
  return fields[1] == "en" ? LineKind::EnglishTitle : LineKind::RussianTitle;
}

std::vector<DocumentLine> SplitLines(const std::string& text) {
  std::vector<DocumentLine> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
    lines.push_back({LineKind::Other, text.substr(start, end - start), NewSegment(), NewVoice()});
    start = end;
  }
  return lines;
}

size_t LineOfRow(const SessionDocument& document, size_t row) {
  for (size_t i = 0; i < document.lines.size(); i++)
    if (document.lines[i].kind == LineKind::Segment && row-- == 0) return i;
  return document.lines.size();
}

size_t LineOfKind(const SessionDocument& document, LineKind kind) {
  for (size_t i = 0; i < document.lines.size(); i++)
    if (document.lines[i].kind == kind) return i;
  return document.lines.size();
}

// Titles first, the English before the Russian; fades and music before the
// first segment.
size_t NewDirectivePlace(const SessionDocument& document, LineKind kind) {
  if (kind == LineKind::EnglishTitle) return 0;
  if (kind == LineKind::RussianTitle) {
    const size_t english = LineOfKind(document, LineKind::EnglishTitle);
    return english < document.lines.size() ? english + 1 : 0;
  }
  return LineOfKind(document, LineKind::Segment);
}

// The directive's line written anew, added, or taken away for empty content.
void PlaceDirective(SessionDocument& document, LineKind kind, const std::string& content) {
  const size_t at = LineOfKind(document, kind);
  const bool present = at < document.lines.size();
  if (content.empty() && present) document.lines.erase(document.lines.begin() + at);
  if (content.empty()) return;
  if (present) {
    Rewrite(document.lines[at], content);
    return;
  }
  document.lines.insert(document.lines.begin() + NewDirectivePlace(document, kind),
                        {kind, content + document.lineEnd, NewSegment(), NewVoice()});
}

DocumentLine SegmentLineOf(const SessionSegment& segment, const std::string& lineEnd) {
  return {LineKind::Segment, SegmentLine(segment) + lineEnd, segment, NewVoice()};
}

// The lines of the row's voices, in order: every voice line after its
// segment's line up to the next segment's.
std::vector<size_t> VoiceLinesOf(const SessionDocument& document, size_t row) {
  std::vector<size_t> lines;
  for (size_t i = LineOfRow(document, row) + 1;
       i < document.lines.size() && document.lines[i].kind != LineKind::Segment; i++)
    if (document.lines[i].kind == LineKind::Voice) lines.push_back(i);
  return lines;
}

// One past the row's last line: its last voice line, or its segment line.
size_t EndOfRow(const SessionDocument& document, size_t row) {
  const std::vector<size_t> voices = VoiceLinesOf(document, row);
  return (voices.empty() ? LineOfRow(document, row) : voices.back()) + 1;
}

// The segment line's copy of the row's voices, after an edit of their lines.
void KeepVoices(SessionDocument& document, size_t row) {
  std::vector<Voice>& voices = document.lines[LineOfRow(document, row)].segment.voices;
  voices.clear();
  for (size_t line : VoiceLinesOf(document, row)) voices.push_back(document.lines[line].voice);
  document.modified = true;
}

bool SetFade(SessionDocument& document, LineKind kind, const std::string& value, uint32_t& blocks,
             SessionError& error) {
  uint32_t changed = 0;
  if (!value.empty() && !ParseDurationField(value, changed, error)) return false;
  if (changed != blocks)
    PlaceDirective(document, kind,
                   changed == 0 ? "" : FadeLine(kind == LineKind::FadeIn ? "fade-in" : "fade-out",
                                                changed));
  document.modified |= changed != blocks;
  blocks = changed;
  return true;
}

bool SetTitle(SessionDocument& document, LineKind kind, const std::string& value,
              std::string& title, SessionError& error) {
  if (!CheckWritableText("title", value, error)) return false;
  if (value != title)
    PlaceDirective(document, kind,
                   value.empty() ? "" : TitleLine(kind == LineKind::EnglishTitle ? "en" : "ru", value));
  document.modified |= value != title;
  title = value;
  return true;
}

void PlaceMusic(SessionDocument& document) {
  PlaceDirective(document, LineKind::Music,
                 document.musicFile.empty() ? "" : MusicLine(document.musicFile, document.musicLevel));
  document.modified = true;
}

bool SetMusic(SessionDocument& document, SessionField field, const std::string& value,
              SessionError& error) {
  if (field == SessionField::MusicFile) {
    if (!CheckWritableText("music", value, error)) return false;
    if (value == document.musicFile) return true;
    document.musicFile = value;
  } else {
    uint32_t level = 0;
    if (!ParseLevelField("music", value, level, error)) return false;
    if (level == document.musicLevel) return true;
    document.musicLevel = level;
    if (document.musicFile.empty()) return true;
  }
  PlaceMusic(document);
  return true;
}

size_t InsertSegmentLine(SessionDocument& document, size_t at, const DocumentLine& line) {
  document.lines.insert(document.lines.begin() + at, line);
  document.modified = true;
  size_t row = 0;
  for (size_t i = 0; i < at; i++) row += document.lines[i].kind == LineKind::Segment;
  return row;
}

}  // namespace

SessionSegment NewSegment() {
  SessionSegment segment = PlainSegment(SoundMode::BrainWaves, BlocksPerMinute, 1000, 1000);
  segment.volume = 20;
  return segment;
}

bool OpenDocument(const std::string& text, const std::string& path, SessionDocument& document,
                  SessionError& error) {
  Session session;
  if (!ParseSession(text, path.empty() ? "session" : path, session, error)) return false;
  const size_t start = TextStart(text);
  document = SessionDocument{text.substr(0, start), SplitLines(text.substr(start)),
                             WindowsLineEnd,
                             session.fadeInBlocks,
                             session.fadeOutBlocks,
                             session.englishTitle,
                             session.russianTitle,
                             session.musicFile,
                             session.musicFile.empty() ? NewMusicLevel : session.musicLevel,
                             path,
                             false};
  for (DocumentLine& line : document.lines) line.kind = KindOf(line.text);
  for (const SessionSegment& segment : session.segments) {
    document.lines[segment.line - 1] = {LineKind::Segment, document.lines[segment.line - 1].text,
                                        segment, NewVoice()};
    for (const Voice& voice : segment.voices)
      document.lines[voice.line - 1] = {LineKind::Voice, document.lines[voice.line - 1].text,
                                        NewSegment(), voice};
  }
  for (const DocumentLine& line : document.lines)
    if (!LineEndOf(line.text).empty()) {
      document.lineEnd = LineEndOf(line.text);
      break;
    }
  return true;
}

SessionDocument NewDocument() {
  return SessionDocument{"",
                         {SegmentLineOf(NewSegment(), WindowsLineEnd)},
                         WindowsLineEnd,
                         0,
                         0,
                         "",
                         "",
                         "",
                         NewMusicLevel,
                         "",
                         false};
}

std::string DocumentText(const SessionDocument& document) {
  std::string text = document.byteOrderMark;
  for (size_t i = 0; i < document.lines.size(); i++) {
    text += document.lines[i].text;
    // A last line without its end gets one when lines come after it.
    if (i + 1 < document.lines.size() && LineEndOf(document.lines[i].text).empty())
      text += document.lineEnd;
  }
  return text;
}

bool ReadBack(const SessionDocument& document, Session& session, SessionError& error) {
  const std::string name = WindowsFileNameOf(document.path);
  return ParseSession(DocumentText(document), name.empty() ? "session" : name, session, error);
}

size_t SegmentCount(const SessionDocument& document) {
  return static_cast<size_t>(std::count_if(document.lines.begin(), document.lines.end(),
                                           [](const DocumentLine& line) {
                                             return line.kind == LineKind::Segment;
                                           }));
}

const SessionSegment& SegmentAt(const SessionDocument& document, size_t row) {
  return document.lines[LineOfRow(document, row)].segment;
}

bool SetSegmentField(SessionDocument& document, size_t row, SegmentField field,
                     const std::string& text, SessionError& error) {
  DocumentLine& line = document.lines[LineOfRow(document, row)];
  SessionSegment changed = line.segment;
  if (!ParseSegmentField(field, text, changed, error)) return false;
  // The line is the values' exact writing: the same line, the same values.
  if (SegmentLine(changed) == SegmentLine(line.segment)) return true;
  line.segment = changed;
  Rewrite(line, SegmentLine(changed));
  document.modified = true;
  return true;
}

std::string SessionFieldText(const SessionDocument& document, SessionField field) {
  switch (field) {
    case SessionField::EnglishTitle:
      return document.englishTitle;
    case SessionField::RussianTitle:
      return document.russianTitle;
    case SessionField::FadeIn:
      return document.fadeInBlocks == 0 ? "" : DurationText(document.fadeInBlocks);
    case SessionField::FadeOut:
      return document.fadeOutBlocks == 0 ? "" : DurationText(document.fadeOutBlocks);
    case SessionField::MusicFile:
      return document.musicFile;
    case SessionField::MusicLevel:
      return std::to_string(document.musicLevel);
  }
  return "";
}

bool SetSessionField(SessionDocument& document, SessionField field, const std::string& text,
                     SessionError& error) {
  error = SessionError{0, SessionProblem::None, "", "", 0, 0, "", ""};
  const std::string value = Trimmed(text);
  switch (field) {
    case SessionField::EnglishTitle:
      return SetTitle(document, LineKind::EnglishTitle, value, document.englishTitle, error);
    case SessionField::RussianTitle:
      return SetTitle(document, LineKind::RussianTitle, value, document.russianTitle, error);
    case SessionField::FadeIn:
      return SetFade(document, LineKind::FadeIn, value, document.fadeInBlocks, error);
    case SessionField::FadeOut:
      return SetFade(document, LineKind::FadeOut, value, document.fadeOutBlocks, error);
    case SessionField::MusicFile:
    case SessionField::MusicLevel:
      return SetMusic(document, field, value, error);
  }
  return false;
}

size_t AddSegment(SessionDocument& document) {
  const size_t count = SegmentCount(document);
  const size_t after = count == 0 ? document.lines.size() : EndOfRow(document, count - 1);
  return InsertSegmentLine(document, after, SegmentLineOf(NewSegment(), document.lineEnd));
}

size_t InsertSegment(SessionDocument& document, size_t row) {
  return InsertSegmentLine(document, LineOfRow(document, row),
                           SegmentLineOf(NewSegment(), document.lineEnd));
}

size_t DuplicateSegment(SessionDocument& document, size_t row) {
  std::vector<DocumentLine> copy = {document.lines[LineOfRow(document, row)]};
  for (size_t line : VoiceLinesOf(document, row)) copy.push_back(document.lines[line]);
  const size_t end = EndOfRow(document, row);
  // A last line without its end gets one before the copy follows it.
  if (end == document.lines.size() && LineEndOf(document.lines[end - 1].text).empty())
    document.lines[end - 1].text += document.lineEnd;
  if (LineEndOf(copy.back().text).empty()) copy.back().text += document.lineEnd;
  document.lines.insert(document.lines.begin() + static_cast<std::ptrdiff_t>(end), copy.begin(),
                        copy.end());
  document.modified = true;
  return row + 1;
}

size_t RemoveSegment(SessionDocument& document, size_t row) {
  std::vector<size_t> lines = VoiceLinesOf(document, row);
  lines.insert(lines.begin(), LineOfRow(document, row));
  for (size_t i = lines.size(); i-- > 0;)
    document.lines.erase(document.lines.begin() + static_cast<std::ptrdiff_t>(lines[i]));
  document.modified = true;
  const size_t count = SegmentCount(document);
  return row < count ? row : (count == 0 ? 0 : count - 1);
}

size_t MoveSegment(SessionDocument& document, size_t row, bool up) {
  if ((up && row == 0) || (!up && row + 1 >= SegmentCount(document))) return row;
  const size_t upper = up ? row - 1 : row;
  // The upper row's lines, those between, the lower row's: lower, between, upper.
  const auto begin = document.lines.begin();
  const auto upperStart = begin + static_cast<std::ptrdiff_t>(LineOfRow(document, upper));
  const auto upperEnd = begin + static_cast<std::ptrdiff_t>(EndOfRow(document, upper));
  const auto lowerStart = begin + static_cast<std::ptrdiff_t>(LineOfRow(document, upper + 1));
  const auto lowerEnd = begin + static_cast<std::ptrdiff_t>(EndOfRow(document, upper + 1));
  std::vector<DocumentLine> moved(lowerStart, lowerEnd);
  moved.insert(moved.end(), upperEnd, lowerStart);
  moved.insert(moved.end(), upperStart, upperEnd);
  std::copy(moved.begin(), moved.end(), upperStart);
  document.modified = true;
  return up ? row - 1 : row + 1;
}

bool AddVoice(SessionDocument& document, size_t row, size_t& voice, SessionError& error) {
  error = SessionError{0, SessionProblem::None, "", "", 0, 0, "", ""};
  const size_t count = VoiceLinesOf(document, row).size();
  if (count == MaximumVoices)
    return Problem(error, SessionProblem::VoiceTooMany, "", "", MaximumVoices + 1);
  const size_t at = EndOfRow(document, row);
  if (at == document.lines.size() && LineEndOf(document.lines[at - 1].text).empty())
    document.lines[at - 1].text += document.lineEnd;
  document.lines.insert(
      document.lines.begin() + static_cast<std::ptrdiff_t>(at),
      {LineKind::Voice, VoiceLine(NewVoice()) + document.lineEnd, NewSegment(), NewVoice()});
  KeepVoices(document, row);
  voice = count;
  return true;
}

size_t RemoveVoice(SessionDocument& document, size_t row, size_t voice) {
  const std::vector<size_t> lines = VoiceLinesOf(document, row);
  document.lines.erase(document.lines.begin() + static_cast<std::ptrdiff_t>(lines[voice]));
  KeepVoices(document, row);
  return voice + 1 < lines.size() ? voice : (voice == 0 ? 0 : voice - 1);
}

size_t MoveVoice(SessionDocument& document, size_t row, size_t voice, bool up) {
  const std::vector<size_t> lines = VoiceLinesOf(document, row);
  if ((up && voice == 0) || (!up && voice + 1 >= lines.size())) return voice;
  const size_t other = up ? voice - 1 : voice + 1;
  std::swap(document.lines[lines[voice]], document.lines[lines[other]]);
  KeepVoices(document, row);
  return other;
}

bool SetVoiceField(SessionDocument& document, size_t row, size_t voice, VoiceField field,
                   const std::string& text, SessionError& error) {
  DocumentLine& line = document.lines[VoiceLinesOf(document, row)[voice]];
  Voice changed = line.voice;
  if (!ParseVoiceField(field, text, changed, error)) return false;
  // The reader refuses it too, once the whole file is read.
  if (changed.kind == VoiceKind::Music && document.musicFile.empty())
    return Problem(error, SessionProblem::MusicVoiceAlone);
  if (VoiceLine(changed) == VoiceLine(line.voice)) return true;
  line.voice = changed;
  Rewrite(line, VoiceLine(changed));
  KeepVoices(document, row);
  return true;
}

Session SessionFromSegment(const Session& session, size_t row) {
  Session from = session;
  from.segments.erase(from.segments.begin(),
                      from.segments.begin() + static_cast<std::ptrdiff_t>(row));
  const uint64_t blocks = SessionBlocks(from);
  from.fadeInBlocks = static_cast<uint32_t>(std::min<uint64_t>(from.fadeInBlocks, blocks));
  from.fadeOutBlocks =
      static_cast<uint32_t>(std::min<uint64_t>(from.fadeOutBlocks, blocks - from.fadeInBlocks));
  return from;
}

bool MoveDocument(SessionDocument& document, const std::string& newPath,
                  const std::string& oldFolder, SessionError& error) {
  const std::string& music = document.musicFile;
  const std::string newFolder = WindowsFolderOf(newPath);
  if (!music.empty() && !IsAbsoluteWindowsPath(music) && !SameWindowsName(oldFolder, newFolder)) {
    const std::string moved = RelativeWindowsPath(oldFolder + music, newFolder);
    // Checked before anything changes: a name the line cannot hold would
    // leave the old one naming another file, or none.
    if (moved != music && !SetSessionField(document, SessionField::MusicFile, moved, error))
      return false;
  }
  document.path = newPath;
  return true;
}
