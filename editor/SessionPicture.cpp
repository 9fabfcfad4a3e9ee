#include "editor/SessionPicture.h"

#include <algorithm>

#include "platform/DpiScale.h"
#include "session_format/SessionSchedule.h"
#include "session_format/SessionTime.h"
#include "sound/voices/VoiceSynthesis.h"
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

const uint32_t WholeLevel = 10000;  // hundredths of a per cent

// The segment's levels at one of its blocks: the voices' at the block's
// first frame, as the full schedule gives them.
void TakeLevels(const Session& session, const SessionSegment& s, uint32_t block,
                PictureColumn& column) {
  if (s.noise != NoiseColour::None) column.noises.push_back({s.noise, s.noiseLevel * 100});
  bool musicVoices = false;
  uint32_t music = 0;
  for (const Voice& voice : s.voices) {
    const uint32_t level = static_cast<uint32_t>(VoiceValuesAtBlock(s, voice, block).level);
    if (voice.kind == VoiceKind::Noise) column.noises.push_back({voice.colour, level});
    if (voice.kind == VoiceKind::Music) music += level;
    musicVoices |= voice.kind == VoiceKind::Music;
    if (voice.kind != VoiceKind::Noise && voice.kind != VoiceKind::Music)
      column.voices.push_back(level);
  }
  const bool hasMusic = !session.musicFile.empty();
  column.music = !hasMusic ? 0 : musicVoices ? music : session.musicLevel * 100;
  column.modeSounds = s.mode != SoundMode::None;
  column.volume = s.volume * 100;
}

PictureColumn ColumnAt(const Session& session, uint64_t block) {
  const uint64_t frame = block * FramesPerBlock;
  const ScheduledBlock scheduled = ScheduleBlock(session, block);
  const SessionSegment& s = session.segments[scheduled.segment];
  const uint32_t white = TintedColour(White, s.colour, s.brightness);
  PictureColumn column = {MaximumFrequency, MinimumFrequency,
                          static_cast<uint32_t>(FadedLevel(FullFade, session, frame)),
                          scheduled.segment, {}, 0, false, 0, {},
                          s.light != static_cast<int32_t>(VisualMode::None),
                          FadedColour(white, session, frame)};
  TakeLevels(session, s, scheduled.segmentBlock, column);
  return column;
}

// The row of a level under the fade, 0 at the band's top, rounded to the
// nearest row; above the top for levels that add up past 100 per cent.
int LevelRow(uint64_t level, uint32_t fade, int height) {
  const uint64_t whole = uint64_t{WholeLevel} * FullFade;
  const uint64_t rows = (level * fade * static_cast<uint64_t>(height - 1) + whole / 2) / whole;
  return height - 1 - static_cast<int>(rows);
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

std::vector<LevelMark> LevelMarks(const PictureColumn& column, int height) {
  std::vector<LevelMark> marks;
  const uint32_t fade = column.fade;
  // Each noise from the row of its top down to the row of the noises below
  // it, the lowest down to the bottom row.
  uint64_t below = 0;
  for (const PictureNoise& noise : column.noises) {
    const int top = std::max(0, LevelRow(below + noise.level, fade, height));
    const int bottom = LevelRow(below, fade, height) + (below == 0 ? 1 : 0);
    if (bottom > top) marks.push_back({LevelMarkKind::Noise, noise.colour, top, bottom - top});
    below += noise.level;
  }
  const auto line = [&](LevelMarkKind kind, uint32_t level) {
    marks.push_back({kind, NoiseColour::None, LevelRow(level, fade, height), 1});
  };
  if (column.music > 0) line(LevelMarkKind::Music, column.music);
  if (column.modeSounds) line(LevelMarkKind::Volume, column.volume);
  for (uint32_t level : column.voices) line(LevelMarkKind::Voice, level);
  return marks;
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
