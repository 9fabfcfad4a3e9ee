// The samples of a segment's voices: the tones (binaural, monaural,
// isochronic, tone) synthesised over a block and added per ear, and the
// level of a noise or music voice at a frame. The session's mix adds them to
// the segment's sound mode, noise and music before its clamp.
#pragma once

#include <cstdint>
#include <vector>

#include "session_format/SessionFile.h"
#include "sound/voices/VoicePhases.h"

// Adds the tones of the segment's voices over block `block` of the segment
// into sums: FramesPerVoiceBlock frames, two sums a frame, left then right.
// starts: the voices' phases at the segment's first frame
// (SessionVoicePhases). Noise, music, spin and bell voices add nothing
// here.
void AddVoiceTones(const SessionSegment& segment, const std::vector<VoicePhases>& starts,
                   uint32_t block, int32_t* sums);

// A voice's level at frame k of its segment, in hundredths of a per cent.
double VoiceLevelAt(const Voice& voice, uint64_t frame, const SessionSegment& segment);

// A noise or music voice's sample: trunc(sample x level / 10000).
int32_t LevelledVoiceSample(int16_t sample, double level);

// A voice's values at the first frame of block `block` of its segment, in
// hundredths truncated toward zero: first + (last - first) x k / (n - 1) in
// 64-bit integers; a beat that follows the frequency is the block's.
struct VoiceValues {
  int64_t carrier;
  int64_t beat;
  int64_t level;
};
VoiceValues VoiceValuesAtBlock(const SessionSegment& segment, const Voice& voice, uint32_t block);
