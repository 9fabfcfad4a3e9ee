// The converted session written as our own session file.
#include "session_format/SessionLines.h"
#include "session_format/sbg/SbgSession.h"

std::string SbgSessionText(const SbgSession& imported, const std::string& source,
                           const std::string& musicFile) {
  const Session& session = imported.session;
  std::string text = "# Converted from the .sbg file " + source + "\n";
  for (const std::string& note : imported.notes) text += "#" + note + "\n";
  for (const std::string& note : imported.scaled) text += "# " + note + "\n";
  if (!session.musicFile.empty()) text += MusicLine(musicFile, session.musicLevel) + "\n";
  for (const SessionSegment& segment : session.segments) {
    text += SegmentLine(segment) + "\n";
    for (const Voice& voice : segment.voices) text += VoiceLine(voice) + "\n";
  }
  return text;
}
