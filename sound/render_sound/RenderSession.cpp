#include "sound/render_sound/RenderSession.h"

#ifdef _WIN32
#include <io.h>
#define IsTerminal(stream) _isatty(_fileno(stream))
#else
#include <unistd.h>
#define IsTerminal(stream) isatty(fileno(stream))
#endif

#include "platform/FileNames.h"
#include "session_format/SessionReader.h"
#include "session_format/SessionSchedule.h"
#include "session_format/SessionVoices.h"
#include "session_format/TextFields.h"
#include "session_format/sbg/SbgSession.h"
#include "sound/MusicFile.h"
#include "sound/Synthesis.h"
#include "sound/render_sound/ReadSession.h"
#include "sound/voices/VoiceSynthesis.h"

namespace {

const int UsageError = 2;
const int OutputError = 1;
// Short renders finish before a progress line would help.
const uint64_t BlocksWorthProgress = 400;
const uint64_t BlocksPerProgressLine = 200;

void ShowProgress(FILE* err, uint64_t done, uint64_t total) {
  std::fprintf(err, "\rrender-sound: %llu of %llu blocks (%u%%)",
               static_cast<unsigned long long>(done), static_cast<unsigned long long>(total),
               static_cast<unsigned>(100 * done / total));
  if (done == total) std::fputc('\n', err);
}

bool WriteHeader(uint64_t blocks, FILE* out) {
  unsigned char header[44];
  WriteWavHeader(blocks * FramesPerBlock, header);
  return std::fwrite(header, 1, sizeof header, out) == sizeof header;
}

// The blocks written: the whole session, or of an .sbg file cut by
// --minutes its first blocks, so that they are those of the whole.
uint64_t BlocksWritten(const RenderSettings& settings, const Session& session) {
  const uint64_t all = SessionBlocks(session);
  const bool cut = IsSbgFileName(settings.session) && settings.blocks != 0;
  return cut && settings.blocks < all ? settings.blocks : all;
}

// An .sbg file's session, and what the import says of it on err.
bool ImportedSession(const RenderSettings& settings, const std::string& text, SbgSession& imported,
                     FILE* err, std::string& error) {
  SessionError problem;
  if (!ImportSbg(text, "session", settings.blocks, imported, problem)) {
    error = problem.message;
    return false;
  }
  for (const std::string& note : imported.scaled)
    std::fprintf(err, "render-sound: %s\n", note.c_str());
  return true;
}

// The session file's, its music found beside it; or the one segment of the
// command line. An .sbg file's as imported, kept whole for --convert.
bool SessionOf(const RenderSettings& settings, FILE* in, FILE* err, Session& session,
               SbgSession& imported, std::string& error) {
  if (settings.session.empty()) {
    session = Session{{PlainSegment(settings.mode, settings.blocks, settings.frequency,
                                    settings.frequency)},
                      0, 0, "", "", "", 0, 0, ""};
    return true;
  }
  std::string text;
  if (!ReadSession(settings.session, in, text, error)) return false;
  SessionError problem;
  if (IsSbgFileName(settings.session)) {
    if (ImportedSession(settings, text, imported, err, error)) session = imported.session;
  } else if (!ParseSession(text, "session", session, problem)) {
    error = problem.message;
  }
  if (!session.musicFile.empty())
    FindSessionMusic(session, settings.session);
  return error.empty();
}

const char* NoiseName(NoiseColour noise) {
  if (noise == NoiseColour::White) return "white";
  if (noise == NoiseColour::Pink) return "pink";
  return noise == NoiseColour::Brown ? "brown" : "none";
}

// What the block's segment sets beyond the schedule: its levels, the
// session's music level, and its light, the colour written red first.
void PrintLevelsAndLight(const Session& session, const SessionSegment& s, FILE* out) {
  const uint32_t rgb = (s.colour & 0xFF) << 16 | (s.colour & 0xFF00) | (s.colour >> 16 & 0xFF);
  std::fprintf(out, " %u %s %u %u %d %u #%06X", s.volume, NoiseName(s.noise), s.noiseLevel,
               session.musicLevel, s.light, s.brightness, rgb);
}

// A voice's value in the full schedule, "-" where its kind has none.
std::string ScheduleValue(bool has, int64_t value) { return has ? std::to_string(value) : "-"; }

std::string ScheduleShape(const Voice& voice) {
  if (voice.kind == VoiceKind::Noise || voice.kind == VoiceKind::Spin)
    return NoiseName(voice.colour);
  if (voice.kind == VoiceKind::Isochronic || voice.kind == VoiceKind::Tone)
    return VoiceShapeWord(voice.shape);
  return "-";
}

// The block's voices at its first frame: "KIND CARRIER BEAT LEVEL SHAPE" in
// hundredths, a spin's width for its carrier, a noise's or spin's colour
// for its shape.
void PrintVoices(const SessionSegment& segment, uint32_t block, FILE* out) {
  for (const Voice& voice : segment.voices) {
    const VoiceValues values = VoiceValuesAtBlock(segment, voice, block);
    const bool tonal = voice.kind != VoiceKind::Noise && voice.kind != VoiceKind::Music;
    const bool beat = tonal && voice.kind != VoiceKind::Tone && voice.kind != VoiceKind::Bell;
    std::fprintf(out, " %s %s %s %lld %s", VoiceKindWord(voice.kind),
                 ScheduleValue(tonal, values.carrier).c_str(),
                 ScheduleValue(beat, values.beat).c_str(), static_cast<long long>(values.level),
                 ScheduleShape(voice).c_str());
  }
}

// The sound of the session to the output, then the clamp line; what failed,
// else nothing.
RenderEnd RenderTo(const Session& session, const SbgSession& imported, SessionSound& sound,
                   const RenderSettings& settings, FILE* file, FILE* err) {
  if (settings.convert) {
    const std::string text =
        SbgSessionText(imported, Printable(settings.session), session.musicFile);
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return written && std::fflush(file) == 0 ? RenderEnd::Done : RenderEnd::WriteFailed;
  }
  if (settings.schedule || settings.fullSchedule)
    return WriteSchedule(session, BlocksWritten(settings, session), settings.fullSchedule, file)
               ? RenderEnd::Done
                                                               : RenderEnd::WriteFailed;
  // Progress on a terminal only, so that pipes and logs stay clean.
  const bool progress = SessionBlocks(session) >= BlocksWorthProgress && IsTerminal(err);
  std::vector<uint64_t> clamped(session.segments.size());
  const RenderEnd end = RenderSession(sound, settings, file, progress ? err : nullptr, clamped);
  uint64_t total = 0;
  for (uint64_t count : clamped) total += count;
  if (end == RenderEnd::Done && total > 0)
    std::fprintf(err, "render-sound: %llu samples clamped in segments %s\n",
                 static_cast<unsigned long long>(total), ClampedSegments(session, clamped).c_str());
  return end;
}

}  // namespace

RenderEnd RenderSession(SessionSound& sound, const RenderSettings& settings, FILE* out,
                        FILE* progressTo, std::vector<uint64_t>& clamped) {
  const Session& session = *sound.session;
  const uint64_t total = BlocksWritten(settings, session);
  if (!settings.raw && !WriteHeader(total, out)) return RenderEnd::WriteFailed;
  std::vector<StereoFrame> block(FramesPerBlock);
  uint32_t position = settings.position, seed = settings.seed;
  for (uint64_t k = 0; k < total; k++) {
    const uint32_t clampedHere =
        SynthesizeSessionBlock(sound, k, position, seed, settings.volume, block.data());
    if (sound.musicFailed) return RenderEnd::MusicFailed;
    clamped[ScheduleBlock(session, k).segment] += clampedHere;
    if (std::fwrite(block.data(), sizeof(StereoFrame), FramesPerBlock, out) != FramesPerBlock)
      return RenderEnd::WriteFailed;
    position += FramesPerBlock;
    if (progressTo && ((k + 1) % BlocksPerProgressLine == 0 || k + 1 == total))
      ShowProgress(progressTo, k + 1, total);
  }
  return std::fflush(out) == 0 ? RenderEnd::Done : RenderEnd::WriteFailed;
}

bool WriteSchedule(const Session& session, uint64_t total, bool full, FILE* out) {
  std::fprintf(out, "blocks %llu fade-in %u fade-out %u\n", static_cast<unsigned long long>(total),
               session.fadeInBlocks, session.fadeOutBlocks);
  for (uint64_t k = 0; k < total; k++) {
    const ScheduledBlock block = ScheduleBlock(session, k);
    std::fprintf(out, "%llu %llu %d %u", static_cast<unsigned long long>(k),
                 static_cast<unsigned long long>(block.segment), static_cast<int>(block.mode),
                 block.frequency);
    if (full) PrintLevelsAndLight(session, session.segments[block.segment], out);
    if (full) PrintVoices(session.segments[block.segment], block.segmentBlock, out);
    std::fputc('\n', out);
  }
  return std::fflush(out) == 0 && !std::ferror(out);
}

std::string ClampedSegments(const Session& session, const std::vector<uint64_t>& clamped) {
  std::string list;
  for (size_t i = 0; i < clamped.size(); i++) {
    if (clamped[i] == 0) continue;
    list += (list.empty() ? "" : ", ") + std::to_string(i + 1) + " (line " +
            std::to_string(session.segments[i].line) + ")";
  }
  return list;
}

int RunRenderSound(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err) {
  RenderSettings settings;
  Session session;
  SbgSession imported;
  SessionSound sound{};
  SessionError musicError{};
  std::string error;
  // The schedules and the conversion play nothing, so they leave the music alone.
  const bool plays = ParseRenderArguments(argc, argv, settings, error) &&
                     SessionOf(settings, in, err, session, imported, error) &&
                     !settings.schedule && !settings.fullSchedule && !settings.convert;
  if (plays && !StartSessionSound(sound, session, "session", musicError))
    error = musicError.message;
  if (!error.empty()) {
    std::fprintf(err, "render-sound: %s\n", error.c_str());
    return UsageError;
  }
  FILE* file = settings.output == "-" ? out : OpenNamedFile(settings.output, "wb");
  if (file == nullptr) {
    std::fprintf(err, "render-sound: cannot write '%s'\n", Printable(settings.output).c_str());
    EndSessionSound(sound);
    return OutputError;
  }
  RenderEnd end = RenderTo(session, imported, sound, settings, file, err);
  if (file != out && std::fclose(file) != 0 && end == RenderEnd::Done) end = RenderEnd::WriteFailed;
  EndSessionSound(sound);
  if (end == RenderEnd::Done) return 0;
  if (file != out) RemoveNamedFile(settings.output);
  std::fprintf(err, "render-sound: %s\n",
               end == RenderEnd::WriteFailed ? "writing the sound failed"
                                             : MusicReadError(session.musicPath).what.c_str());
  return OutputError;
}
