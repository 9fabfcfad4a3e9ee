#include "language/SessionTexts.h"

#include <algorithm>

#include "exposure/ExposureState.h"
#include "language/FormatFrequency.h"
#include "language/RussianSessionProblems.h"
#include "language/SessionStrings.h"
#include "session_format/SessionTime.h"

namespace {

std::string Frequency(uint32_t frequency) {
  char text[ReadoutBufferSize];
  FormatFrequency(frequency, text);
  return text;
}

std::string Word(const TextPair& text) { return InCurrentLanguage(text); }

// A slide is a straight line, so the extremes are at the segments' ends.
void FrequencyRange(const Session& session, uint32_t& lowest, uint32_t& highest) {
  lowest = MaximumFrequency;
  highest = MinimumFrequency;
  for (const SessionSegment& segment : session.segments) {
    const uint32_t first = SegmentFrequency(segment, 0);
    const uint32_t last = SegmentFrequency(segment, segment.blocks - 1);
    lowest = std::min({lowest, first, last});
    highest = std::max({highest, first, last});
  }
}

// Russian counts take one of three forms: 1, 21 "сегмент"; 2..4, 22..24
// "сегмента"; 0, 5..20, 25.. "сегментов". English has two.
const TextPair& SegmentCountWord(size_t count) {
  const size_t last = count % 10, lastTwo = count % 100;
  const bool teen = lastTwo >= 11 && lastTwo <= 14;
  if (IsEnglish(LoadField(ExposureState.language))) return count == 1 ? SegmentWord : SegmentsWord;
  if (last == 1 && !teen) return SegmentWord;
  if (last >= 2 && last <= 4 && !teen) return SegmentsFewWord;
  return SegmentsWord;
}

}  // namespace

std::string MinutesSeconds(uint64_t seconds) {
  const uint64_t rest = seconds % 60;
  return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

std::string DescribeSession(const Session& session) {
  uint32_t lowest, highest;
  FrequencyRange(session, lowest, highest);
  return MinutesSeconds(SessionLengthMs(session) / 1000) + ", " +
         std::to_string(session.segments.size()) + " " +
         Word(SegmentCountWord(session.segments.size())) + ", " + Word(FromWord) + " " +
         Frequency(lowest) + " " + Word(ToWord) + " " + Frequency(highest) + " " + Word(HertzUnit);
}

std::string SessionProgress(const Session& session, uint32_t elapsedMs) {
  const uint64_t lengthMs = SessionLengthMs(session);
  const uint64_t shownMs = std::min<uint64_t>(elapsedMs, lengthMs);
  const ScheduledBlock block = SessionBlockAtTime(session, elapsedMs);
  return MinutesSeconds(shownMs / 1000) + " / " + MinutesSeconds(lengthMs / 1000) + ", " +
         Word(SegmentWord) + " " + std::to_string(block.segment + 1) + " " + Word(OfWord) + " " +
         std::to_string(session.segments.size()) + ", " + Frequency(block.frequency) + " " +
         Word(HertzUnit);
}

std::string DisplayFlickerWarning(const std::vector<UnseenSegment>& unseen, uint32_t refreshHz) {
  if (unseen.empty()) return "";
  const UnseenSegment& first = unseen.front();
  const std::string hertz = " " + Word(HertzUnit);
  std::string text = Word(DisplayAtWord) + " " + std::to_string(refreshHz) + hertz + " " +
                     Word(DisplayShowsWords) + " " + Frequency(first.frequency) + hertz + " " +
                     Word(OfSegmentWords) + " " + std::to_string(first.segment + 1) + " " +
                     Word(AsFlickerWord) + " ";
  // Russian says "как мигание 18,33 Гц", English "as a 18,33 Hz flicker".
  if (IsEnglish(LoadField(ExposureState.language)))
    text += Frequency(first.seen) + hertz + " " + Word(FlickerWord) + ".";
  else
    text += Word(FlickerWord) + " " + Frequency(first.seen) + hertz + ".";
  if (unseen.size() == 1) return text;
  text += " " + Word(unseen.size() == 2 ? AlsoSegmentWord : AlsoSegmentsWord) + " ";
  for (size_t i = 1; i < unseen.size(); i++)
    text += (i > 1 ? ", " : "") + std::to_string(unseen[i].segment + 1);
  return text + ".";
}

std::string LineProblem(const SessionError& error) {
  const std::string line =
      error.line == 0 ? "" : Word(LineWord) + " " + std::to_string(error.line) + ": ";
  return line + SessionProblemInCurrentLanguage(error);
}

std::string BadFileMessage(const std::string& path, const SessionError& error) {
  return path + "\n" + LineProblem(error);
}

std::string UnreadableFileMessage(const std::string& path) {
  return path + "\n" + Word(UnreadableFile);
}

std::string FileFilter(const TextPair& files, const char* pattern) {
  return std::string(InCurrentLanguage(files)) + '\0' + pattern + '\0' +
         InCurrentLanguage(AllFilesFilter) + '\0' + "*.*" + '\0';
}
