#include "sound/MusicFile.h"

#include <cstring>

#include "platform/Paths.h"
#include "session_format/SessionFields.h"
#include "session_format/SessionProblems.h"
#include "session_format/TextFields.h"

namespace {

const uint32_t PcmFormat = 1;
const uint32_t ExtensibleFormat = 0xFFFE;
// The sub-format of an extensible PCM file after its first two bytes (the
// format's own tag, 1).
const unsigned char PcmSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                            0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// A data size written by a program that streamed the file and could not go
// back to fill it in: the frames run to the end of the file.
const uint32_t SizeUnknown = 0xFFFFFFFF;
const uint32_t ReadChunkFrames = 4096;

uint32_t Little(const unsigned char* at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; i--) value = value << 8 | at[i];
  return value;
}

struct WaveFormat {
  uint32_t encoding, channels, rate, blockAlign, bits;
};

enum class Walk { Found, NotWave, Failed };

// Reads exactly count bytes at offset: NotWave when the file ends first.
Walk ReadExactly(const ReadOnlyFile& file, uint64_t offset, unsigned char* bytes, size_t count) {
  const int64_t got = ReadAt(file, offset, bytes, count);
  if (got < 0) return Walk::Failed;
  return static_cast<size_t>(got) == count ? Walk::Found : Walk::NotWave;
}

Walk ReadFormat(const ReadOnlyFile& file, uint64_t offset, uint32_t size, WaveFormat& format) {
  unsigned char bytes[40] = {};
  if (size < 16) return Walk::NotWave;
  const Walk read = ReadExactly(file, offset, bytes, size < 40 ? size : 40);
  if (read != Walk::Found) return read;
  format = WaveFormat{Little(bytes, 2), Little(bytes + 2, 2), Little(bytes + 4, 4),
                      Little(bytes + 12, 2), Little(bytes + 14, 2)};
  if (format.encoding == ExtensibleFormat && size >= 40 && Little(bytes + 24, 2) == PcmFormat &&
      std::memcmp(bytes + 26, PcmSubFormatTail, sizeof PcmSubFormatTail) == 0)
    format.encoding = PcmFormat;
  return Walk::Found;
}

// From the chunk after "RIFF" size "WAVE" until both the format and the
// data are found; each chunk is 8 bytes of name and size, then its bytes
// and a pad byte when the size is odd.
Walk WalkChunks(const ReadOnlyFile& file, WaveFormat& format, uint64_t& dataOffset,
                uint32_t& dataSize) {
  unsigned char header[12];
  Walk read = ReadExactly(file, 0, header, sizeof header);
  if (read != Walk::Found) return read;
  if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0)
    return Walk::NotWave;
  bool haveFormat = false, haveData = false;
  for (uint64_t at = 12; !(haveFormat && haveData);) {
    read = ReadExactly(file, at, header, 8);
    if (read != Walk::Found) return read;
    const uint32_t size = Little(header + 4, 4);
    if (std::memcmp(header, "fmt ", 4) == 0) {
      read = ReadFormat(file, at + 8, size, format);
      if (read != Walk::Found) return read;
      haveFormat = true;
    } else if (std::memcmp(header, "data", 4) == 0) {
      dataOffset = at + 8;
      dataSize = size;
      haveData = true;
    }
    at += 8 + uint64_t{size} + (size & 1);
  }
  return Walk::Found;
}

bool Refused(SessionError& error, SessionProblem problem, const std::string& path,
             uint64_t value = 0) {
  return Problem(error, problem, "music", OneLine(path), value);
}

// The first way in which the format differs from what is played.
bool CheckFormat(const WaveFormat& format, const std::string& path, SessionError& error) {
  if (format.encoding != PcmFormat)
    return Refused(error, SessionProblem::MusicEncoding, path, format.encoding);
  if (format.bits != 16) return Refused(error, SessionProblem::MusicBits, path, format.bits);
  if (format.rate != FramesPerSecond)
    return Refused(error, SessionProblem::MusicRate, path, format.rate);
  if (format.channels != 1 && format.channels != 2)
    return Refused(error, SessionProblem::MusicChannels, path, format.channels);
  if (format.blockAlign != 2 * format.channels)
    return Refused(error, SessionProblem::MusicNotWave, path);
  return true;
}

}  // namespace

std::string MusicPath(const std::string& sessionFile, const std::string& musicFile) {
  if (sessionFile == "-" || IsAbsolutePath(musicFile)) return musicFile;
  return FolderOf(sessionFile) + musicFile;
}

bool OpenMusicFile(const std::string& path, MusicFile& music, SessionError& error) {
  music = MusicFile{{-1, 0}, 0, 0, 0};
  const OpenResult opened = OpenReadOnly(path, music.file);
  if (opened == OpenResult::Missing) return Refused(error, SessionProblem::MusicMissing, path);
  if (opened == OpenResult::Unreadable)
    return Refused(error, SessionProblem::MusicUnreadable, path);
  WaveFormat format = {};
  uint32_t dataSize = 0;
  const Walk walk = WalkChunks(music.file, format, music.dataOffset, dataSize);
  bool ok = walk == Walk::Found || Refused(error,
                                           walk == Walk::NotWave ? SessionProblem::MusicNotWave
                                                                 : SessionProblem::MusicUnreadable,
                                           path);
  ok = ok && CheckFormat(format, path, error);
  if (ok) {
    // A data chunk longer than the file (cut short, or streamed) plays to the file's end.
    const uint64_t present =
        music.file.size > music.dataOffset ? music.file.size - music.dataOffset : 0;
    const uint64_t bytes = dataSize == SizeUnknown || dataSize > present ? present : dataSize;
    music.channels = format.channels;
    music.frames = bytes / format.blockAlign;
    ok = music.frames > 0 || Refused(error, SessionProblem::MusicEmpty, path);
  }
  if (!ok) CloseMusicFile(music);
  return ok;
}

bool ReadMusicFrames(const MusicFile& music, uint64_t first, uint32_t count, StereoFrame* frames) {
  unsigned char bytes[ReadChunkFrames * sizeof(StereoFrame)];
  const uint32_t frameBytes = 2 * music.channels;
  uint64_t frame = first % music.frames;
  while (count > 0) {
    uint64_t take = count < ReadChunkFrames ? count : ReadChunkFrames;
    if (take > music.frames - frame) take = music.frames - frame;
    const size_t size = static_cast<size_t>(take) * frameBytes;
    if (ReadAt(music.file, music.dataOffset + frame * frameBytes, bytes, size) !=
        static_cast<int64_t>(size))
      return false;
    for (uint64_t i = 0; i < take; i++) {
      const unsigned char* at = bytes + i * frameBytes;
      const int16_t left = static_cast<int16_t>(Little(at, 2));
      frames[i] =
          StereoFrame{left, music.channels == 2 ? static_cast<int16_t>(Little(at + 2, 2)) : left};
    }
    frames += take;
    count -= static_cast<uint32_t>(take);
    frame = frame + take == music.frames ? 0 : frame + take;
  }
  return true;
}

void CloseMusicFile(MusicFile& music) { CloseReadOnly(music.file); }

SessionError MusicReadError(const std::string& path) {
  SessionError error{};
  Refused(error, SessionProblem::MusicReadFailed, path);
  error.what = EnglishSessionProblem(error);
  return error;
}
