// What the editor's picture of a session shows, column by column, window-
// free: the frequency over time from the session's schedule, how loud the
// fades let it be, the levels of the tones, the voices, the noise and the
// music, and the light, as the library's pictures draw them.
#pragma once

#include <cstdint>
#include <vector>

#include "session_format/SessionFile.h"

// A noise's share of the levels band: it adds to the noises below it.
struct PictureNoise {
  NoiseColour colour;
  uint32_t level;  // hundredths of a per cent
};

struct PictureColumn {
  uint32_t lowest;   // of the frequencies the column's blocks play, hundredths of a hertz
  uint32_t highest;
  uint32_t fade;     // the fades' level at the column's first block, 0..255
  size_t segment;    // of the first block; its levels follow
  // The levels at the first block before the fades, in hundredths of a per
  // cent: the noises in the order they add (the segment's own, then its
  // noise voices'), the music (the music line's level, or its music voices'
  // together), the sound mode's volume where the mode is not silent (mode
  // 0), and each voice of a tone's own.
  std::vector<PictureNoise> noises;
  uint32_t music;
  bool modeSounds;
  uint32_t volume;
  std::vector<uint32_t> voices;
  bool lit;        // the segment shows light (its own pattern or the chosen one)
  uint32_t light;  // COLORREF: a pattern's white in its colour and brightness, under the fades
};

// The first block that column x of `width` columns covers: the columns
// share the session's blocks evenly, each at least one.
uint64_t ColumnBlock(uint64_t blocks, int x, int width);

// One column per pixel of width; none for a session of no blocks.
std::vector<PictureColumn> PictureColumns(const Session& session, int width);

// The top of the frequency scale, in hundredths: 24 Hz, or 50 Hz where the
// session goes higher; and the step of its lines (4 Hz, or 10 Hz).
uint32_t PictureTopFrequency(const Session& session);
uint32_t FrequencyGridStep(uint32_t topFrequency);

// The row of a frequency in a band of `height` rows, 0 at the top.
int FrequencyRow(uint32_t frequency, uint32_t topFrequency, int height);

// What the levels band of `height` rows shows in a column, drawn in this
// order: each noise as an area in its colour, stacked on the noises below
// it; the music, the sound mode's volume and each voice's tone as a line
// of one row. Rows from the band's top, the levels under the fades.
enum class LevelMarkKind { Noise, Music, Volume, Voice };
struct LevelMark {
  LevelMarkKind kind;
  NoiseColour colour;  // a noise's
  int top;
  int rows;
};
std::vector<LevelMark> LevelMarks(const PictureColumn& column, int height);

// The picture's rows from the top, in a picture `height` pixels tall at
// dpi: the frequency, a gap, the levels, a gap, the light between two edges,
// then the time scale's words; the left margin holds the frequency scale's.
// The frequency takes what the others leave, 90 rows of the 156 at 96 DPI.
struct PictureRows {
  int top;
  int frequencyHeight;
  int levelsTop;
  int levelsHeight;
  int lightTop;
  int lightHeight;
  int timeWordsTop;
  int left;   // the margin of the frequency scale's words
  int right;
};
PictureRows PictureRowsAt(int height, int dpi);

// The blocks between the lines of the time scale: the shortest of 10 s,
// 30 s, 1, 5, 10 or 30 min, 1, 5 or 10 h that gives at most ten lines.
uint64_t TimeGridBlocks(uint64_t blocks);
