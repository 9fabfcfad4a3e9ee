#include "editor/SessionPicture.h"

#include <algorithm>

#include "platform/DpiScale.h"
#include "session_format/SessionTime.h"
#include "visual/Patterns.h"

namespace {

const uint32_t LowTop = 2400, HighTop = 5000;
const int FullFade = 255;
const int MostTimeLines = 10;

// The frequencies a segment plays over blocks [from, to) of its own: a
// slide is a straight line, so they lie between those at the two ends.
void Widen(const SessionSegment& segment, uint64_t from, uint64_t to, PictureColumn& column) {
  const uint32_t first = SegmentFrequency(segment, static_cast<uint32_t>(from));
  const uint32_t last = SegmentFrequency(segment, static_cast<uint32_t>(to - 1));
  column.lowest = std::min({column.lowest, first, last});
  column.highest = std::max({column.highest, first, last});
}

PictureColumn ColumnAt(const Session& session, uint64_t block) {
  const uint64_t frame = block * FramesPerBlock;
  const size_t index = ScheduleBlock(session, block).segment;
  const SessionSegment& s = session.segments[index];
  const uint32_t white = TintedColour(White, s.colour, s.brightness);
  return PictureColumn{MaximumFrequency, MinimumFrequency,
                       static_cast<uint32_t>(FadedLevel(FullFade, session, frame)), index,
                       s.volume, s.noise, s.noiseLevel, session.musicLevel,
                       s.light != static_cast<int32_t>(VisualMode::None),
                       FadedColour(white, session, frame)};
}

}  // namespace

uint64_t ColumnBlock(uint64_t blocks, int x, int width) {
  return blocks * static_cast<uint64_t>(x) / static_cast<uint64_t>(width);
}

std::vector<PictureColumn> PictureColumns(const Session& session, int width) {
  const uint64_t blocks = SessionBlocks(session);
  std::vector<PictureColumn> columns;
  if (blocks == 0) return columns;
  size_t segment = 0;
  uint64_t segmentStart = 0;
  for (int x = 0; x < width; x++) {
    const uint64_t from = ColumnBlock(blocks, x, width);
    const uint64_t to = std::max(ColumnBlock(blocks, x + 1, width), from + 1);
    PictureColumn column = ColumnAt(session, from);
    // The segments the column's blocks lie in, each over its own stretch.
    while (segmentStart + session.segments[segment].blocks <= from)
      segmentStart += session.segments[segment++].blocks;
    uint64_t start = segmentStart;
    for (size_t i = segment; i < session.segments.size() && start < to;
         start += session.segments[i++].blocks)
      Widen(session.segments[i], std::max(from, start) - start,
            std::min(to, start + session.segments[i].blocks) - start, column);
    columns.push_back(column);
  }
  return columns;
}

uint32_t PictureTopFrequency(const Session& session) {
  for (const SessionSegment& s : session.segments)
    if (std::max(s.firstFrequency, s.lastFrequency) > LowTop) return HighTop;
  return LowTop;
}

uint32_t FrequencyGridStep(uint32_t topFrequency) { return topFrequency > LowTop ? 1000 : 400; }

int FrequencyRow(uint32_t frequency, uint32_t topFrequency, int height) {
  return height - 1 -
         static_cast<int>(uint64_t{frequency} * static_cast<uint64_t>(height - 1) / topFrequency);
}

PictureRows PictureRowsAt(int height, int dpi) {
  auto at = [dpi](int length) { return ScaledForDpi(length, dpi); };
  PictureRows rows;
  rows.top = at(8);
  rows.levelsHeight = at(26);
  rows.lightHeight = at(10);
  rows.left = at(40);
  rows.right = at(4);
  const int gap = at(3), timeWords = at(13);
  const int others = rows.top + 3 * gap + rows.levelsHeight + rows.lightHeight + timeWords;
  rows.frequencyHeight = std::max(at(20), height - others);
  rows.levelsTop = rows.top + rows.frequencyHeight + gap;
  rows.lightTop = rows.levelsTop + rows.levelsHeight + gap;
  rows.timeWordsTop = rows.lightTop + rows.lightHeight + gap;
  return rows;
}

uint64_t TimeGridBlocks(uint64_t blocks) {
  const uint64_t steps[] = {40, 120, 240, 1200, 2400, 7200, 14400, 72000, 144000};
  for (uint64_t step : steps)
    if (blocks / step <= MostTimeLines) return step;
  return steps[sizeof steps / sizeof steps[0] - 1];
}
