// Music under a session: a WAV file of 16-bit PCM at 44100 Hz, mono or
// stereo, streamed a block at a time and looped from its start, never
// loaded whole (40 minutes of stereo is 423 MB).
#pragma once

#include <cstdint>
#include <string>

#include "platform/ReadOnlyFile.h"
#include "session_format/SessionFile.h"
#include "sound/Synthesis.h"

struct MusicFile {
  ReadOnlyFile file;
  uint64_t dataOffset;  // of the first frame's bytes
  uint64_t frames;      // at least 1
  uint32_t channels;    // 1 or 2
};

// Where a session's music file is: relative to the session file's folder,
// to the current folder for a session read from standard input ("-"), or
// absolute.
std::string MusicPath(const std::string& sessionFile, const std::string& musicFile);

// Opens the file and walks its RIFF chunks to the format and the frames
// (other chunks, such as LIST and fact, and the pad byte of an odd-sized
// chunk are skipped). False with the problem (a Music... kind, field the
// path, count the value found) when it cannot be played.
bool OpenMusicFile(const std::string& path, MusicFile& music, SessionError& error);

// count frames from music frame `first` mod the music's length on, looping
// to its start; a mono frame in both channels. False when a read failed.
bool ReadMusicFrames(const MusicFile& music, uint64_t first, uint32_t count, StereoFrame* frames);

void CloseMusicFile(MusicFile& music);

// The problem of a music file whose read failed while it played, worded.
SessionError MusicReadError(const std::string& path);
