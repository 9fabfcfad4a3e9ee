// Reads .sbg files and says, per file, what the import makes of it: its
// length and stretches, or the line it refuses and why. For trying the
// reader on files nobody here wrote; what it prints stays out of the
// repository.
//   sbg-survey FILE.sbg ...   [--stretches]
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "session_format/sbg/SbgFile.h"
#include "session_format/sbg/SbgTimeline.h"

namespace {

std::string Hundredths(int32_t value) {
  const char* sign = value < 0 ? "-" : "";
  const int32_t magnitude = value < 0 ? -value : value;
  char text[32];
  std::snprintf(text, sizeof text, "%s%d.%02d", sign, magnitude / 100, magnitude % 100);
  return text;
}

std::string Voice(const SbgVoice& v) {
  switch (v.type) {
    case SbgVoiceType::Off:
      return "-";
    case SbgVoiceType::Binaural:
      return (v.wave == SbgWave::Sine ? "" : "wave" + std::to_string(static_cast<int>(v.wave)) + ":") +
             Hundredths(v.carrier) + (v.beat < 0 ? "" : "+") + Hundredths(v.beat) + "/" +
             Hundredths(v.amplitude);
    case SbgVoiceType::Isochronic:
      return Hundredths(v.carrier) + "@" + Hundredths(v.beat) + "/" + Hundredths(v.amplitude);
    case SbgVoiceType::Pink:
      return "pink/" + Hundredths(v.amplitude);
    case SbgVoiceType::White:
      return "white/" + Hundredths(v.amplitude);
    case SbgVoiceType::Brown:
      return "brown/" + Hundredths(v.amplitude);
    case SbgVoiceType::Bell:
      return "bell" + Hundredths(v.carrier) + "/" + Hundredths(v.amplitude);
    case SbgVoiceType::Spin:
      return "spin:" + Hundredths(v.width) + (v.beat < 0 ? "" : "+") + Hundredths(v.beat) + "/" +
             Hundredths(v.amplitude);
    case SbgVoiceType::Mix:
      return "mix/" + Hundredths(v.amplitude);
  }
  return "?";
}

std::string Voices(const SbgVoice* voices) {
  size_t used = SbgSlots;
  while (used > 0 && voices[used - 1].type == SbgVoiceType::Off) used--;
  std::string text;
  for (size_t slot = 0; slot < used; slot++) text += (slot ? " " : "") + Voice(voices[slot]);
  return text.empty() ? "-" : text;
}

std::string Clock(uint64_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu.%03llu",
                static_cast<unsigned long long>(ms / 3600000),
                static_cast<unsigned long long>(ms / 60000 % 60),
                static_cast<unsigned long long>(ms / 1000 % 60),
                static_cast<unsigned long long>(ms % 1000));
  return text;
}

void Survey(const std::string& path, bool stretches) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const std::string name = path.substr(path.find_last_of('/') + 1);
  SbgFile file;
  SbgTimeline timeline;
  SessionError error;
  if (!ReadSbg(text.str(), name, file, error) || !PlanSbgTimeline(file, name, timeline, error)) {
    std::printf("%s: REFUSED %s\n", name.c_str(), error.message.c_str());
    return;
  }
  size_t scaled = 0;
  for (const SbgToneSet& set : file.toneSets) scaled += set.scaledFrom ? 1 : 0;
  std::printf("%s: %s, %llu blocks, %zu time lines, %zu stretches, %zu bells, %zu tone-sets scaled%s%s\n",
              name.c_str(), Clock(timeline.lengthMs).c_str(),
              static_cast<unsigned long long>(timeline.blocks), file.timeLines.size(),
              timeline.stretches.size(), timeline.bells.size(), scaled,
              file.mixFile.empty() ? "" : ", mix ", file.mixFile.c_str());
  if (!stretches) return;
  for (const SbgStretch& s : timeline.stretches)
    std::printf("  %s +%s (%u blocks) line %llu\n    %s\n    %s\n", Clock(s.startMs).c_str(),
                Clock(s.lengthMs).c_str(), s.blocks, static_cast<unsigned long long>(s.line),
                Voices(s.first).c_str(), Voices(s.last).c_str());
  for (const SbgBell& b : timeline.bells)
    std::printf("  bell %s slot %zu %s/%s line %llu\n", Clock(b.atMs).c_str(), b.slot,
                Hundredths(b.carrier).c_str(), Hundredths(b.amplitude).c_str(),
                static_cast<unsigned long long>(b.line));
}

}  // namespace

int main(int argc, char** argv) {
  bool stretches = false;
  for (int i = 1; i < argc; i++)
    if (std::string(argv[i]) == "--stretches") stretches = true;
  for (int i = 1; i < argc; i++)
    if (std::string(argv[i]) != "--stretches") Survey(argv[i], stretches);
  return 0;
}
