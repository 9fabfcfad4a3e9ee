// render-sound: the sound of an exposure, block after block exactly as the
// audio worker makes it, written to a WAV file or as raw frames.
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define IsTerminal(stream) _isatty(_fileno(stream))
#else
#include <unistd.h>
#define IsTerminal(stream) isatty(fileno(stream))
#endif

#include "sound/Synthesis.h"
#include "sound/render_sound/RenderArguments.h"

namespace {

const int UsageError = 2;
const int OutputError = 1;

FILE* OpenOutput(const std::string& name) {
  if (name == "-") {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return stdout;
  }
  return std::fopen(name.c_str(), "wb");
}

void ShowProgress(uint32_t done, uint32_t total) {
  std::fprintf(stderr, "\rrender-sound: %u of %u blocks (%u%%)", done, total,
               static_cast<unsigned>(100ull * done / total));
  if (done == total) std::fputc('\n', stderr);
}

bool Render(const RenderSettings& settings, FILE* out) {
  if (!settings.raw) {
    unsigned char header[44];
    WriteWavHeader(static_cast<uint64_t>(settings.blocks) * FramesPerBlock, header);
    if (std::fwrite(header, 1, sizeof header, out) != sizeof header) return false;
  }
  // Long renders report on a terminal only, so that pipes stay clean.
  const bool progress = settings.blocks >= 400 && IsTerminal(stderr);
  const std::atomic<uint32_t> frequency{settings.frequency};
  std::vector<StereoFrame> block(FramesPerBlock);
  uint32_t position = settings.position;
  uint32_t seed = settings.seed;
  for (uint32_t b = 1; b <= settings.blocks; b++) {
    SynthesizeBlock(settings.mode, frequency, position, seed, block.data());
    if (std::fwrite(block.data(), sizeof(StereoFrame), FramesPerBlock, out) != FramesPerBlock)
      return false;
    position += FramesPerBlock;
    if (progress && (b % 200 == 0 || b == settings.blocks)) ShowProgress(b, settings.blocks);
  }
  return std::fflush(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  RenderSettings settings;
  std::string error;
  if (!ParseRenderArguments(argc, argv, settings, error)) {
    std::fprintf(stderr, "render-sound: %s\n", error.c_str());
    return UsageError;
  }
  FILE* out = OpenOutput(settings.output);
  if (out == nullptr) {
    std::fprintf(stderr, "render-sound: cannot write '%s'\n", settings.output.c_str());
    return OutputError;
  }
  bool written = Render(settings, out);
  if (out != stdout && std::fclose(out) != 0) written = false;
  if (!written) {
    std::fprintf(stderr, "render-sound: writing the sound failed\n");
    return OutputError;
  }
  return 0;
}
