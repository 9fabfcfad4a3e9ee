#include "sound/render_sound/RenderArguments.h"

#include <cstring>

#include "sound/Synthesis.h"
#include "session_format/TextFields.h"
#include "session_format/sbg/SbgSession.h"

namespace {

struct NumberOption {
  const char* name;
  uint64_t minimum;
  uint64_t maximum;
  const char* range;
};

const NumberOption ModeOption = {"--mode", 0, 4, "a sound mode 0..4"};
const NumberOption FrequencyOption = {"--frequency", 10, 5000, "hundredths of a hertz 10..5000"};
const NumberOption BlocksOption = {"--blocks", 1, 1000000, "a number of blocks 1..1000000"};
const NumberOption PositionOption = {"--position", 0, 4294967295u, "a frame count 0..4294967295"};
const NumberOption SeedOption = {"--seed", 0, 4294967295u, "a generator state 0..4294967295"};
const NumberOption VolumeOption = {"--volume", 0, 100, "a level 0..100 (per cent)"};
const char MinutesRange[] =
    "--minutes takes a decimal number of minutes above 0 and within 1000000 blocks "
    "(4166.666...)";
const char SessionReplaces[] =
    "--session replaces --mode, --frequency, --blocks and --minutes; it cannot go with ";
const char Usage[] =
    "usage: --mode M --frequency F (--blocks N | --minutes M) | --session FILE, "
    "then [--position P] [--seed S] [--volume L] [--raw | --schedule | --schedule-full | "
    "--convert] [--output FILE]";

std::string RangeMessage(const NumberOption& option) {
  return std::string(option.name) + " takes " + option.range;
}

std::string Given(const char* text) {
  return text ? ", not '" + Printable(text) + "'" : ", none given";
}

bool TakeNumber(const char* text, const NumberOption& option, uint64_t& value, bool& seen,
                std::string& error) {
  if (text == nullptr || !ParseWholeNumber(text, option.maximum, value) || value < option.minimum ||
      value > option.maximum) {
    error = RangeMessage(option) + Given(text);
    return false;
  }
  seen = true;
  return true;
}

bool TakeMinutes(const char* text, uint64_t& blocks, bool& seen, std::string& error) {
  if (text == nullptr || !ParseDecimalBlocks(text, BlocksPerMinute, blocks) || blocks == 0 ||
      blocks > MaximumRenderBlocks) {
    error = MinutesRange + Given(text);
    return false;
  }
  seen = true;
  return true;
}

bool TakeName(const char* text, const char* option, const char* meaning, std::string& name,
              std::string& error) {
  if (text == nullptr || *text == '\0') {
    error = std::string(option) + " takes " + meaning;
    return false;
  }
  name = text;
  return true;
}

// Which of the options a session replaces was given with it, or nullptr.
const char* BesideSession(bool mode, bool frequency, bool blocks, bool minutes) {
  if (mode) return "--mode";
  if (frequency) return "--frequency";
  if (blocks) return "--blocks";
  return minutes ? "--minutes" : nullptr;
}

}  // namespace

bool ParseRenderArguments(int argc, const char* const* argv, RenderSettings& settings,
                          std::string& error) {
  error.clear();
  settings = RenderSettings{SoundMode::None, 0, 0, "", 0, 1, false, false, false, false, 100, "-"};
  uint64_t mode = 0, frequency = 0, blocks = 0, position = 0, seed = 1, volume = 100;
  bool haveMode = false, haveFrequency = false, haveBlocks = false, haveMinutes = false,
       unused = false;
  for (int i = 1; i < argc; i++) {
    const std::string name = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    bool ok = true;
    if (name == "--raw" || name == "--schedule" || name == "--schedule-full" ||
        name == "--convert") {
      (name == "--raw"        ? settings.raw
       : name == "--schedule" ? settings.schedule
       : name == "--convert"  ? settings.convert
                              : settings.fullSchedule) = true;
      continue;
    } else if (name == "--output") {
      ok = TakeName(value, "--output", "a file name, or - for standard output", settings.output,
                    error);
    } else if (name == "--session") {
      ok = TakeName(value, "--session", "a file name, or - for standard input", settings.session,
                    error);
    } else if (name == ModeOption.name) {
      ok = TakeNumber(value, ModeOption, mode, haveMode, error);
    } else if (name == FrequencyOption.name) {
      ok = TakeNumber(value, FrequencyOption, frequency, haveFrequency, error);
    } else if (name == BlocksOption.name) {
      ok = TakeNumber(value, BlocksOption, blocks, haveBlocks, error);
    } else if (name == "--minutes") {
      ok = TakeMinutes(value, blocks, haveMinutes, error);
    } else if (name == PositionOption.name) {
      ok = TakeNumber(value, PositionOption, position, unused, error);
    } else if (name == SeedOption.name) {
      ok = TakeNumber(value, SeedOption, seed, unused, error);
    } else if (name == VolumeOption.name) {
      ok = TakeNumber(value, VolumeOption, volume, unused, error);
    } else {
      error = "unknown argument '" + Printable(name) + "'; " + Usage;
      return false;
    }
    if (!ok) return false;
    i++;
  }
  // An .sbg file may be cut short; it is its own until converted.
  const bool sbg = IsSbgFileName(settings.session);
  if (settings.raw + settings.schedule + settings.fullSchedule + settings.convert > 1) {
    error =
        "--raw, --schedule, --schedule-full and --convert each choose what is written; give one "
        "of them";
  } else if (settings.convert && !sbg) {
    error = "--convert writes an .sbg file as a session file; it takes --session FILE.sbg";
  } else if (settings.convert && haveMinutes) {
    error = "--convert writes the whole session, as the player plays it; it takes no --minutes";
  } else if (!settings.session.empty()) {
    if (const char* extra = BesideSession(haveMode, haveFrequency, haveBlocks, haveMinutes && !sbg))
      error = SessionReplaces + std::string(extra);
  } else if (!haveMode) {
    error = RangeMessage(ModeOption) + ", and it is missing";
  } else if (!haveFrequency) {
    error = RangeMessage(FrequencyOption) + ", and it is missing";
  } else if (haveBlocks && haveMinutes) {
    error = "--blocks and --minutes both give the length; give one of them";
  } else if (!haveBlocks && !haveMinutes) {
    error = RangeMessage(BlocksOption) + ", or --minutes the length in minutes; neither is given";
  }
  if (!error.empty()) return false;
  settings.mode = static_cast<SoundMode>(mode);
  settings.frequency = static_cast<uint32_t>(frequency);
  settings.blocks = static_cast<uint32_t>(blocks);
  settings.position = static_cast<uint32_t>(position);
  settings.seed = static_cast<uint32_t>(seed);
  settings.volume = static_cast<uint32_t>(volume);
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
