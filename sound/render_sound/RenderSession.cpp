#include "sound/render_sound/RenderSession.h"

#include <atomic>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define IsTerminal(stream) _isatty(_fileno(stream))
#else
#include <unistd.h>
#define IsTerminal(stream) isatty(fileno(stream))
#endif

#include "platform/FileNames.h"
#include "sound/SessionSchedule.h"
#include "sound/Synthesis.h"
#include "sound/TextFields.h"
#include "sound/render_sound/ReadSession.h"
#include "sound/render_sound/RenderArguments.h"

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

bool SessionOf(const RenderSettings& settings, FILE* in, Session& session, std::string& error) {
  if (settings.session.empty()) {
    session = Session{{PlainSegment(settings.mode, settings.blocks, settings.frequency,
                                    settings.frequency)},
                      0, 0, "", "", "", 0, 0};
    return true;
  }
  std::string text;
  if (!ReadSession(settings.session, in, text, error)) return false;
  SessionError problem;
  if (!ParseSession(text, "session", session, problem)) error = problem.message;
  return error.empty();
}

}  // namespace

bool RenderSession(const Session& session, uint32_t position, uint32_t seed, bool raw, FILE* out,
                   FILE* progressTo) {
  const uint64_t total = SessionBlocks(session);
  if (!raw && !WriteHeader(total, out)) return false;
  std::vector<StereoFrame> block(FramesPerBlock);
  for (uint64_t k = 0; k < total; k++) {
    const ScheduledBlock scheduled = ScheduleBlock(session, k);
    const std::atomic<uint32_t> frequency{scheduled.frequency};
    SynthesizeBlock(scheduled.mode, frequency, position, seed, block.data());
    ApplySessionFades(session, k * FramesPerBlock, block.data());
    if (std::fwrite(block.data(), sizeof(StereoFrame), FramesPerBlock, out) != FramesPerBlock)
      return false;
    position += FramesPerBlock;
    if (progressTo && ((k + 1) % BlocksPerProgressLine == 0 || k + 1 == total))
      ShowProgress(progressTo, k + 1, total);
  }
  return std::fflush(out) == 0;
}

bool WriteSchedule(const Session& session, FILE* out) {
  const uint64_t total = SessionBlocks(session);
  std::fprintf(out, "blocks %llu fade-in %u fade-out %u\n", static_cast<unsigned long long>(total),
               session.fadeInBlocks, session.fadeOutBlocks);
  for (uint64_t k = 0; k < total; k++) {
    const ScheduledBlock block = ScheduleBlock(session, k);
    std::fprintf(out, "%llu %llu %d %u\n", static_cast<unsigned long long>(k),
                 static_cast<unsigned long long>(block.segment), static_cast<int>(block.mode),
                 block.frequency);
  }
  return std::fflush(out) == 0 && !std::ferror(out);
}

int RunRenderSound(int argc, const char* const* argv, FILE* in, FILE* out, FILE* err) {
  RenderSettings settings;
  Session session;
  std::string error;
  if (!ParseRenderArguments(argc, argv, settings, error) ||
      !SessionOf(settings, in, session, error)) {
    std::fprintf(err, "render-sound: %s\n", error.c_str());
    return UsageError;
  }
  FILE* file = settings.output == "-" ? out : OpenNamedFile(settings.output, "wb");
  if (file == nullptr) {
    std::fprintf(err, "render-sound: cannot write '%s'\n", Printable(settings.output).c_str());
    return OutputError;
  }
  // Progress on a terminal only, so that pipes and logs stay clean.
  const bool progress = SessionBlocks(session) >= BlocksWorthProgress && IsTerminal(err);
  bool written = settings.schedule
                     ? WriteSchedule(session, file)
                     : RenderSession(session, settings.position, settings.seed, settings.raw, file,
                                     progress ? err : nullptr);
  if (file != out && std::fclose(file) != 0) written = false;
  if (!written) {
    std::fprintf(err, "render-sound: writing the sound failed\n");
    return OutputError;
  }
  return 0;
}
