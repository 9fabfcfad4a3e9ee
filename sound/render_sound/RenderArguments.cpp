#include "sound/render_sound/RenderArguments.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "sound/Synthesis.h"

namespace {

struct NumberOption {
  const char* name;
  uint64_t minimum;
  uint64_t maximum;
  const char* range;
};

const NumberOption ModeOption = {"--mode", 0, 4, "a sound mode 0..4"};
const NumberOption FrequencyOption = {"--frequency", 10, 5000,
                                      "hundredths of a hertz 10..5000"};
const NumberOption BlocksOption = {"--blocks", 1, 1000000, "a number of blocks 1..1000000"};
const NumberOption PositionOption = {"--position", 0, 4294967295u, "a frame count 0..4294967295"};
const NumberOption SeedOption = {"--seed", 0, 4294967295u, "a generator state 0..4294967295"};

std::string RangeMessage(const NumberOption& option) {
  return std::string(option.name) + " takes " + option.range;
}

// Whole decimal numbers only: no sign, no spaces, no suffix.
bool ParseNumber(const char* text, const NumberOption& option, uint64_t& value) {
  if (text == nullptr || *text == '\0' || std::strlen(text) > 12) return false;
  for (const char* c = text; *c; c++)
    if (*c < '0' || *c > '9') return false;
  value = std::strtoull(text, nullptr, 10);
  return value >= option.minimum && value <= option.maximum;
}

bool TakeNumber(const char* text, const NumberOption& option, uint64_t& value, bool& seen,
                std::string& error) {
  if (!ParseNumber(text, option, value)) {
    error = RangeMessage(option) + (text ? std::string(", not '") + text + "'" : ", none given");
    return false;
  }
  seen = true;
  return true;
}

}  // namespace

bool ParseRenderArguments(int argc, const char* const* argv, RenderSettings& settings,
                          std::string& error) {
  error.clear();
  settings = RenderSettings{SoundMode::None, 0, 0, 0, 1, false, "-"};
  uint64_t mode = 0, frequency = 0, blocks = 0, position = 0, seed = 1;
  bool haveMode = false, haveFrequency = false, haveBlocks = false, unused = false;
  for (int i = 1; i < argc; i++) {
    const std::string name = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    bool ok = true;
    if (name == "--raw") {
      settings.raw = true;
      continue;
    } else if (name == "--output") {
      if (value == nullptr || *value == '\0') {
        error = "--output takes a file name, or - for standard output";
        return false;
      }
      settings.output = value;
    } else if (name == ModeOption.name) {
      ok = TakeNumber(value, ModeOption, mode, haveMode, error);
    } else if (name == FrequencyOption.name) {
      ok = TakeNumber(value, FrequencyOption, frequency, haveFrequency, error);
    } else if (name == BlocksOption.name) {
      ok = TakeNumber(value, BlocksOption, blocks, haveBlocks, error);
    } else if (name == PositionOption.name) {
      ok = TakeNumber(value, PositionOption, position, unused, error);
    } else if (name == SeedOption.name) {
      ok = TakeNumber(value, SeedOption, seed, unused, error);
    } else {
      error = "unknown argument '" + name +
              "'; usage: --mode M --frequency F --blocks N [--position P] [--seed S] [--raw] "
              "[--output FILE]";
      return false;
    }
    if (!ok) return false;
    i++;
  }
  if (!haveMode) error = RangeMessage(ModeOption) + ", and it is missing";
  else if (!haveFrequency) error = RangeMessage(FrequencyOption) + ", and it is missing";
  else if (!haveBlocks) error = RangeMessage(BlocksOption) + ", and it is missing";
  if (!error.empty()) return false;
  settings.mode = static_cast<SoundMode>(mode);
  settings.frequency = static_cast<uint32_t>(frequency);
  settings.blocks = static_cast<uint32_t>(blocks);
  settings.position = static_cast<uint32_t>(position);
  settings.seed = static_cast<uint32_t>(seed);
  return true;
}

namespace {
void PutLittleEndian(unsigned char* at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; i++) at[i] = static_cast<unsigned char>(value >> (8 * i));
}
uint32_t Saturated(uint64_t value) {
  return value > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(value);
}
}  // namespace

void WriteWavHeader(uint64_t frames, unsigned char header[44]) {
  const uint64_t dataBytes = frames * sizeof(StereoFrame);
  std::memcpy(header, "RIFF", 4);
  PutLittleEndian(header + 4, Saturated(dataBytes + 36), 4);
  std::memcpy(header + 8, "WAVEfmt ", 8);
  PutLittleEndian(header + 16, 16, 4);  // size of the format chunk
  PutLittleEndian(header + 20, 1, 2);   // PCM
  PutLittleEndian(header + 22, 2, 2);   // channels
  PutLittleEndian(header + 24, FramesPerSecond, 4);
  PutLittleEndian(header + 28, FramesPerSecond * sizeof(StereoFrame), 4);
  PutLittleEndian(header + 32, sizeof(StereoFrame), 2);
  PutLittleEndian(header + 34, 16, 2);
  std::memcpy(header + 36, "data", 4);
  PutLittleEndian(header + 40, Saturated(dataBytes), 4);
}
