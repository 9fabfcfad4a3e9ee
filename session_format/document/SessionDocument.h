// A session being edited: the lines of its file, each kept as it was
// written until an edit changes it, so that saving writes back every line
// it did not touch byte for byte, comments, blank lines and line ends
// included. A changed line is written anew from its values and keeps its
// comment. Window-free; every value is checked by the session reader's own
// code before it enters a line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "session_format/SessionFile.h"
#include "session_format/SessionLines.h"

enum class LineKind { Other, Segment, Voice, FadeIn, FadeOut, EnglishTitle, RussianTitle, Music };

struct DocumentLine {
  LineKind kind;
  std::string text;        // as it stands in the file, its line end included
  SessionSegment segment;  // a segment line's values, its voices included
  Voice voice;             // a voice line's values
};

struct SessionDocument {
  std::string byteOrderMark;  // kept where the file began with one
  std::vector<DocumentLine> lines;
  std::string lineEnd;  // of the lines the editor adds: the file's own
  uint32_t fadeInBlocks;
  uint32_t fadeOutBlocks;
  std::string englishTitle;
  std::string russianTitle;
  std::string musicFile;  // as written; empty for no music
  uint32_t musicLevel;    // kept while there is no music, for when there is
  std::string path;       // UTF-8; empty until the session is saved to a file
  bool modified;
};

// The values of the session as a whole, each a directive of its own.
enum class SessionField { EnglishTitle, RussianTitle, FadeIn, FadeOut, MusicFile, MusicLevel };

// The segment that Add and Insert make: a minute of brain waves at 10 Hz, its
// tones at 20 per cent as the library plays them.
SessionSegment NewSegment();

// A session file's text, read and checked whole; path is empty for a copy of
// a session that has no file (the library's).
bool OpenDocument(const std::string& text, const std::string& path, SessionDocument& document,
                  SessionError& error);

// A new session of one segment (NewSegment), without a file.
SessionDocument NewDocument();

// What a save writes.
std::string DocumentText(const SessionDocument& document);

// The written text as the reader reads it back: the session that plays.
bool ReadBack(const SessionDocument& document, Session& session, SessionError& error);

size_t SegmentCount(const SessionDocument& document);
const SessionSegment& SegmentAt(const SessionDocument& document, size_t row);

// One value of a segment from its text; false with the reader's problem,
// the document unchanged. A value equal to the one there changes nothing.
bool SetSegmentField(SessionDocument& document, size_t row, SegmentField field,
                     const std::string& text, SessionError& error);

// A session value as its field shows it: empty for no fade, title or music.
std::string SessionFieldText(const SessionDocument& document, SessionField field);

// Empty text takes a fade, title or music away. A new title line goes first
// in the file, a new fade or music line before the first segment.
bool SetSessionField(SessionDocument& document, SessionField field, const std::string& text,
                     SessionError& error);

// Each returns the row to select after it. A segment's voice lines go with
// it, and no segment line is ever put between a segment and its voices.
// Add puts a new segment after the last, Insert before the row, Duplicate a
// copy of the row's line and its voice lines after its last voice.
size_t AddSegment(SessionDocument& document);
size_t InsertSegment(SessionDocument& document, size_t row);
size_t DuplicateSegment(SessionDocument& document, size_t row);
// Takes the segment's line and its voice lines away; comments and
// directives between them stay.
size_t RemoveSegment(SessionDocument& document, size_t row);
// Swaps the row's lines, from its segment line to its last voice line, with
// the next segment's above or below; the lines between them stay where they
// are.
size_t MoveSegment(SessionDocument& document, size_t row, bool up);

// A segment's voices (SegmentAt(...).voices) one by one. Add puts NewVoice
// after the last, written as a voice line; it refuses a 17th (VoiceTooMany).
// Each returns the voice to select after it.
bool AddVoice(SessionDocument& document, size_t row, size_t& voice, SessionError& error);
size_t RemoveVoice(SessionDocument& document, size_t row, size_t voice);
// Swaps the voice's line with its neighbour's; the lines between stay.
size_t MoveVoice(SessionDocument& document, size_t row, size_t voice, bool up);
// One value of a voice from its text, as the reader reads it (a music voice
// only where the session has music); false with the reader's problem, the
// document unchanged.
bool SetVoiceField(SessionDocument& document, size_t row, size_t voice, VoiceField field,
                   const std::string& text, SessionError& error);

// The document is to be saved as newPath (absolute). A relative music file,
// found until now from oldFolder (absolute, its separator at the end), is
// rewritten to name the same file from the new folder: relative where both
// lie on one drive, else absolute. Windows paths: \ or / between names,
// letters compared without case. False, the document unchanged, when the
// rewritten name cannot stand in a music line (a folder whose name holds #):
// error says why.
bool MoveDocument(SessionDocument& document, const std::string& newPath,
                  const std::string& oldFolder, SessionError& error);

// The session from segment `row` on, its fade-in over its new start and as
// much of its fade-out as then fits.
Session SessionFromSegment(const Session& session, size_t row);
